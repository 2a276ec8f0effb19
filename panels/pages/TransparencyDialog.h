#pragma once
// The transparency of the bevel profile: of one segment (from the profile editor's menu) or of all
// eleven points at once (from the text page).
#include <QDialog>
#include <functional>

#include "panels/pages/EffectPage.h"

class QComboBox;

namespace vortel::pages {

class TransparencyDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int AllPoints = -1;
    // `segment` 1..10, or AllPoints. `redraw` runs after every change and after Cancel.
    TransparencyDialog(PageHost& host, int segment, std::function<void()> redraw, QWidget* parent = nullptr);

    QComboBox* combo() const { return combo_; }
    // The value shown when the dialog opened, which Cancel puts back.
    int savedValue() const { return saved_; }

    void reject() override;
    void done(int result) override;

private:
    void store(int value);

    PageHost& host_;
    int segment_;
    int saved_ = 0;
    std::function<void()> redraw_;
    QComboBox* combo_ = nullptr;
};

// Starts a profile of one flat segment when the bevel has none yet (point 0's line type 0).
void StartFlatProfile(TFontFX& engine);

}  // namespace vortel::pages
