#pragma once
// The Surface page: how the letters and the ground behind them are filled (colour, gradient,
// texture) and the imprint laid over the letters, with the assistant's simple list.
#include <QStringList>

#include "controls/Controls.h"
#include "panels/pages/EffectPage.h"

class QActionGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QStackedWidget;

namespace vortel::pages {

class ColorSwatch;
class GradientList;
class PictureList;

class SurfacePage : public EffectPage {
    Q_OBJECT
public:
    explicit SurfacePage(PageHost& host, QWidget* parent = nullptr);
    void refresh() override;
    void entered() override;
    void setProfessional(bool on) override;

    // 0 the background, 1 the text surface.
    int surface() const { return surface_; }
    // The stacked panels, in this order.
    enum Panel { ColorPanel, VerlaufPanel, TexturePanel, ImprintPanel, SimplePanel };
    int shownPanel() const;
    QMenu* historyMenu() const { return historyMenu_; }
    // The folder the texture list shows; empty for the stock textures ("Standard").
    const QString& textureFolder() const { return textureFolder_; }
    // Loads a texture folder into the list (empty: the stock textures); false when it holds no
    // picture, and the list stays as it was.
    bool loadTextureFolder(const QString& folder);

private:
    void build();
    QWidget* buildColorPanel();
    QWidget* buildVerlaufPanel();
    QWidget* buildTexturePanel();
    QWidget* buildImprintPanel();
    QWidget* buildSimplePanel();
    void initialise();
    void syncLists();
    void loadGlyphs();
    void updateVisibility();
    void showPanel(int panel);
    void pressKindButton(int kind);
    FillRecord& fill();

    // Colour pickers.
    void showPicked(controls::LeaveImage* image, const QColor& color);
    void restoreShown(controls::LeaveImage* image);
    void takeSurfaceColor(const QColor& color);
    void takeGradientColor(const QColor& color);
    void takeSimpleColor(const QColor& color);
    void swatchClicked(bool gradient);
    void paintSwatches();

    // Gradient editor.
    void commitGradient();
    void styleChosen(int tag);
    void gradientEntryClicked(int row);

    // Kinds, textures, imprints.
    void kindClicked(int kind);
    void textureChosen(int row);
    void simpleChosen(int row);
    void imprintChosen(int row);
    void imprintChecked(bool on);
    void imprintFolderToggled(bool down);
    void invertImprint();
    void openTextureFolder();
    void alterTexture();
    void historyItemClicked(const QString& folder);
    void rebuildHistoryMenu();
    void laterRebuildHistoryMenu();
    std::optional<Bitmap> loadTexture(int row);
    std::optional<Bitmap> loadImprint(int row);
    std::optional<Bitmap> loadSimple(int row);
    QString startFolder(const char* key) const;

    int surface_ = 1;
    bool initialised_ = false;
    bool professional_ = false;
    QString textureFolder_;
    std::vector<std::string> simpleEntries_;

    controls::SpeedButton* textButton_ = nullptr;
    controls::SpeedButton* bgButton_ = nullptr;
    controls::SpeedButton* kindButtons_[4] = {};  // colour, gradient, texture, imprint
    QCheckBox* imprintCheck_ = nullptr;
    QStackedWidget* stack_ = nullptr;

    controls::LeaveImage* colorImage_ = nullptr;
    ColorSwatch* colorSwatch_ = nullptr;
    QLabel* colorLabel_ = nullptr;

    controls::LeaveImage* verlaufImage_ = nullptr;
    ColorSwatch* verlaufSwatch_ = nullptr;
    QLabel* verlaufLabel_ = nullptr;
    GradientList* verlaufList_ = nullptr;
    QComboBox* angleCombo_ = nullptr;
    QComboBox* repeatCombo_ = nullptr;
    controls::SpeedButton* styleButton_ = nullptr;
    QFrame* stylesPanel_ = nullptr;
    controls::SpeedButton* styleButtons_[6] = {};

    PictureList* textureList_ = nullptr;
    controls::SpeedButton* historyButton_ = nullptr;
    controls::SpeedButton* alterButton_ = nullptr;
    QMenu* historyMenu_ = nullptr;
    QActionGroup* historyGroup_ = nullptr;

    PictureList* imprintList_ = nullptr;
    controls::SpeedButton* imprintDirButton_ = nullptr;
    controls::SpeedButton* imprintInvertButton_ = nullptr;

    PictureList* simpleList_ = nullptr;
    controls::LeaveImage* simpleImage_ = nullptr;
};

}  // namespace vortel::pages
