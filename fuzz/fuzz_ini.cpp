// The settings file reader: any bytes must read without a fault, the text written back must read
// to the same text again, and edits must leave a file that reads back with the edited values.
// Then the main window starts from the bytes as its settings file (Qt's offscreen platform), shows
// itself and closes: it must start without a fault, with a picture and a window the program offers,
// and write back only values it would read again unchanged.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "platform/IniFile.h"

namespace {

std::string settingsFile;

}  // namespace

// The window's fonts come through fontconfig, which keeps some memory until the process ends.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own statics may be gone before it.
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
    char pattern[] = "/tmp/fuzz-ini-XXXXXX";
    if (!::mkdtemp(pattern)) std::abort();
    settingsFile = std::string(pattern) + "/vortel.ini";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vortel::IniFile ini = vortel::IniFile::parse(bytes);
    const std::string once = ini.text();
    if (vortel::IniFile::parse(once).text() != once) std::abort();

    for (const std::string& key : ini.readSection("Options")) (void)ini.readInteger("Options", key, 0);
    ini.writeInteger("Options", "Width", 640);
    ini.writeString("TextureDir", "/home/anna/bilder", "x");
    ini.eraseSection("Files");
    const vortel::IniFile back = vortel::IniFile::parse(ini.text());
    if (back.readInteger("Options", "Width", -1) != 640) std::abort();
    if (back.readString("TextureDir", "/home/anna/bilder", "") != "x") std::abort();
    if (!back.readSection("Files").empty()) std::abort();

    // The window from the same bytes. A picture larger than 1000 a side is only slower to render
    // (the tests start one of 10000): such a size is made smaller so the fuzzer keeps its pace.
    vortel::IniFile start = vortel::IniFile::parse(bytes);
    std::string file(bytes);
    for (const char* side : {"Width", "Height"}) {
        if (start.readInteger("Image", side, 0) > 1000) {
            start.writeInteger("Image", side, 1000);
            file = start.text();
        }
    }
    { std::ofstream(settingsFile, std::ios::binary | std::ios::trunc) << file; }
    vortel::app::MainWindow::StartOptions options;
    options.withoutSettings = true;
    options.settingsFile = settingsFile;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    {
        vortel::app::MainWindow window(options);
        window.messages().quiet = true;
        window.confirmHook = [](const QString&) { return 0; };
        window.dialogHook = [](QDialog&) { return 0; };
        window.show();
        QCoreApplication::processEvents();
        const QSize image = window.view()->size();
        if (image.width() < 1 || image.width() > 10000 || image.height() < 1 || image.height() > 10000) std::abort();
        if (!area.contains(window.frameGeometry().topLeft())) std::abort();
        window.engine().Modified = 0;
        window.close();
    }
    const vortel::IniFile written(settingsFile);
    const int width = written.readInteger("Image", "Width", 1), height = written.readInteger("Image", "Height", 1);
    if (width < 1 || width > 10000 || height < 1 || height > 10000) std::abort();
    if (written.readInteger("Options", "Smooth", 0) < 0 || written.readInteger("Options", "Smooth", 0) > 2) std::abort();
    return 0;
}
