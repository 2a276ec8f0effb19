#pragma once
// The "3D Bevel" page: the bevel presets, the four bevel values with their track bars, edit boxes
// and step buttons, the inverse switch, a random profile and the profile editor.
#include "panels/pages/EffectPage.h"
#include "panels/pages/PresetPictureList.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;

namespace vortel::controls {
class LeaveImage;
class SpeedButton;
class TransparentImage;
}  // namespace vortel::controls

namespace vortel::pages {

// The bevel presets in two rows; each entry is drawn on its own ground (the later bevels show
// the ground through their profile).
class BevelListBox : public PresetPictureList {
    Q_OBJECT
public:
    explicit BevelListBox(QWidget* parent = nullptr);
    // The ground an entry is drawn on.
    static QColor ground(int index);
};

class BevelPage : public EffectPage {
    Q_OBJECT
public:
    explicit BevelPage(PageHost& host);
    void refresh() override;
    void entered() override;
    void setProfessional(bool on) override;
    // The window's delayed timer: the page refreshes and renders.
    void delayedRecalc() override;

    bool editorShown() const;
    // The profile editor instead of the preset list (the profile button's toggle).
    void showEditor(bool on);
    QMenu* segmentsMenu() const { return menu_; }
    // How often the page itself asked for a new picture.
    int renderCount() const { return renders_; }

private:
    enum Value { Height, Size, AddPixel, Angle, ValueCount };
    void build();
    void render(bool addPixelSource = false);
    void trackBarMoved(Value source);
    void editTyped();
    void stepClicked(int tag);
    void flipInverse();
    void showValues(bool edits);
    void showInverse();
    void drawEditor(int preview = 0, QPoint previewAt = {});
    void drawSides();
    // Writes an edited copy of the profile back and shows it.
    void storeProfile(const BevelParams& edited);
    void randomClicked();

    // Profile editor mouse.
    void editorMoved(QPoint position);
    void editorPressed(QPoint position, Qt::MouseButton button);
    void editorReleased(QPoint position, Qt::MouseButton button);
    BevelParams draggedProfile(int index, QPoint position) const;
    void editorLeft();
    void showPointStatus(int index, QPoint unit);
    void openMenu(QPoint position);
    void menuAdd();
    void menuDelete();
    void menuLineType(int type);
    void menuFill(int fill);

    BevelListBox* list_ = nullptr;
    QWidget* editorPanel_ = nullptr;
    controls::LeaveImage* editor_ = nullptr;
    controls::LeaveImage* leftSide_ = nullptr;
    controls::LeaveImage* rightSide_ = nullptr;
    controls::SpeedButton* profileButton_ = nullptr;
    controls::SpeedButton* randomButton_ = nullptr;
    QSlider* bars_[ValueCount] = {};
    QLineEdit* edits_[ValueCount] = {};
    QLabel* captions_[ValueCount] = {};
    controls::SpeedButton* steps_[6] = {};
    QLabel* angleLabel_ = nullptr;
    controls::TransparentImage* angleImage_ = nullptr;

    QMenu* menu_ = nullptr;
    QAction* addAction_ = nullptr;
    QAction* deleteAction_ = nullptr;
    QAction* lineActions_[3] = {};
    QAction* fillActions_[3] = {};
    QAction* transparencyAction_ = nullptr;
    QList<QAction*> segmentItems_;

    bool hint_ = false;        // the right-click hint stays until the profile is first edited
    int dragging_ = 0;         // the point being dragged, 0 none
    bool inserting_ = false;   // "Add new segment" waits for its left click
    int menuPoint_ = 0;        // the point and the segment under the right click that opened the menu
    int menuSegment_ = 0;
    int32_t lastAddPixel_ = -1;  // at the page's last render
    bool addPixelMoved_ = false; // the added-pixels track bar moved since
    int renders_ = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace vortel::pages
