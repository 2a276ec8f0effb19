// vortel-cli: renders and inspects text effects from the command line.
#include <exception>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "cli/Errors.h"
#include "cli/Language.h"
#include "cli/Options.h"
#include "cli/Verbs.h"
#include "platform/Texts.h"

namespace {

using Verb = int (*)(const vortel::cli::Options&, std::ostream&, std::ostream&);

const std::map<std::string, Verb> verbs = {
    {"inspect", vortel::cli::runInspect},
    {"outline", vortel::cli::runOutline},
    {"render", vortel::cli::runRender},
    {"resources", vortel::cli::runResources},
    {"gallery", vortel::cli::runGallery},
    {"batch", vortel::cli::runBatch},
};

// Exactly one line per failure, whatever the message held, so scripts can rely on it.
int fail(const std::string& message, int status) {
    std::string line = vortel::cli::shownMessage(message);
    for (char& c : line) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    std::cerr << "vortel-cli: " << line << std::endl;
    return status;
}

int run(const std::vector<std::string>& args) {
    const auto options = vortel::cli::parseOptions(args);
    if (options.help) {
        std::cout << vortel::cli::usageText();
        return 0;
    }
    const auto verb = verbs.find(options.verb);
    if (verb == verbs.end()) throw vortel::cli::UsageError(
            vortel::fillText(VORTEL_EN("CommandLine", "unknown verb '%1'; see --help"), options.verb));
    const int status = verb->second(options, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) throw std::runtime_error(VORTEL_EN("CommandLine", "cannot write to standard output"));
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    vortel::cli::speak(vortel::cli::languageFromEnvironment());
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const vortel::cli::UsageError& e) {
        return fail(e.what(), 2);
    } catch (const vortel::cli::WarpRefused& e) {
        return fail(e.what(), 3);
    } catch (const std::exception& e) {
        return fail(e.what(), 1);
    } catch (...) {
        return fail(VORTEL_EN("CommandLine", "unexpected failure"), 1);
    }
}
