// The image as the guide editor: draw modes, pointer zones, mouse and keys, the deform pop-up menu.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStatusBar>
#include <QTabWidget>
#include <QListWidget>
#include <QToolButton>
#include <cmath>

#include "app/Cursors.h"
#include "app/ImageView.h"
#include "app/MainWindow.h"
#include "controls/QtImages.h"

namespace vortel::app {
namespace {

bool isEndPoint(const TFontFX& e, int guide, int point) {
    return guide < 0 || guide > 3 || point <= 0 || point >= int(e.NumGuidePoints[guide]) - 1;
}

}  // namespace

Rect MainWindow::imageRect() const { return Rect{0, 0, canvas_->width(), canvas_->height()}; }

QRect MainWindow::textFrame() const {
    // The engine keeps the box with its rows counted from the bottom.
    const Rect b = engine_->WarpedBounds;
    if (b.right <= b.left || b.bottom <= b.top) return {};
    const int h = canvas_->height();
    return QRect(QPoint(b.left, h - b.bottom), QPoint(b.right, h - b.top));
}

void MainWindow::takeCleanPicture() {
    const uint8_t* data = canvas_->storedData();
    clean_.assign(data, data + canvas_->storedSize());
}

void MainWindow::restoreCleanPicture() { canvas_->storeBytes(clean_.data(), clean_.size()); }

void MainWindow::showGuides() {
    guideEditing_ = true;
    restoreCleanPicture();
    engine_->ShowGuide(*canvas_, drawMode_ == DrawBothLines ? DrawMove : drawMode_, engine_->SelectedGuide);
    view_->update();
}

void MainWindow::hideGuides() {
    guideEditing_ = false;
    setZone(ZoneNone);
    restoreCleanPicture();
    view_->setPreview({});
}

void MainWindow::setZone(int zone) {
    if (zone == zone_) return;
    showPanels();
    if (zone > 0) statusPanels_[1]->setText(ZoneHint(zone));
    zone_ = zone;
    view_->setCursor(ZoneCursor(zone));
}

void MainWindow::chooseDrawMode(int mode) {
    if (mode < DrawMove || mode > DrawRedrawLine) throw std::runtime_error("Intern: DrawMode");
    const int old = drawMode_;
    drawButtons_[mode]->setChecked(true);
    drawMode_ = mode;
    capture_ = Capture::None;
    // Only drawing both lines speaks through the bar's single text; every other mode shows the panels.
    if (mode != DrawBothLines) showPanels();
    switch (mode) {
    case DrawMove: setZone(ZoneNone); break;
    case DrawEditPoints: setZone(4); break;
    case DrawBothLines: {
        guideEditing_ = true;
        canvas_->fillRect(imageRect(), rgb(255, 255, 255));
        drawSecondLineText();
        setZone(3);
        showStatus(StatusSimple, tr("Zeichne obere Text-Begrenzungslinie"));
        deformList_->clearSelection();
        deformList_->setCurrentRow(-1, QItemSelectionModel::Clear);
        break;
    }
    case DrawRedrawLine: setZone(3); break;
    }
    for (DeformItem item : {AddPointItem, DeletePointItem, DecreasePointsItem}) deformActions_[item]->setVisible(mode == DrawEditPoints);
    deformSeparator_->setVisible(mode == DrawEditPoints);
    deformActions_[MoveLineItem]->setChecked(mode == DrawMove);
    deformActions_[EditLineItem]->setChecked(mode == DrawEditPoints);
    deformActions_[RedrawLineItem]->setChecked(mode == DrawRedrawLine);
    if (mode != DrawBothLines && mode != old && notebook_->currentIndex() == DeformPage) showGuides();
    view_->update();
}

// The request to draw, written into the text's frame on the white image.
void MainWindow::drawSecondLineText() {
    controls::PaintOnCanvas(*canvas_, [this](QPainter& painter) {
        painter.setPen(Qt::black);
        QRect frame = textFrame();
        if (frame.isEmpty()) frame = QRect(0, 0, canvas_->width(), canvas_->height());
        painter.drawText(frame, Qt::TextWordWrap, tr("Zeichnen Sie nun die obere\nund untere Text-Begrenzungslinie"));
    });
}

void MainWindow::imageMouseMove(QPoint position, Qt::MouseButtons, Qt::KeyboardModifiers modifiers) {
    const Point m{position.x(), position.y()};
    lastMouse_ = position;
    statusPanels_[0]->setText(QStringLiteral("%1, %2").arg(m.x).arg(m.y));
    if (imageRect().contains(m)) {
        const ColorRef c = canvas_->pixel(m.x, m.y);
        statusPanels_[1]->setText(tr("RGB: %1, %2, %3").arg(c & 0xFF).arg(c >> 8 & 0xFF).arg(c >> 16 & 0xFF));
    }
    if (engine_->guideDrag() != GuideDragKind::None) {
        engine_->GuideDragMove(m);
        view_->setPreview(engine_->dragPreview());
        // Turning about the centre is only a handle's move: the text follows at the release.
        if (engine_->guideDrag() != GuideDragKind::Center) requestLiveFrame(true);
        return;
    }
    if (engine_->guideCaptureActive()) {
        ++changeCount_;  // the guide being drawn changes the engine
        engine_->GetGuideLineAddPoint(m);
        view_->update();
        return;
    }
    if (!guideEditing_) return;
    switch (drawMode_) {
    case DrawMove: {
        const int corner = engine_->IsMouseNaheEckpunkt(m);
        const bool onGuide = engine_->SelectGuide(*canvas_, DrawMove, 10, m);
        if (corner == -1 && !onGuide) {
            setZone(textFrame().contains(position) ? 1 : ZoneNone);
        } else if (corner == 1 || corner == 3) {
            setZone(12);
        } else if (corner == 4) {
            setZone(10);
        } else if (corner == 5) {
            setZone(9);
        } else if (corner == 0 || corner == 2) {
            setZone(11);
        } else {
            setZone(2);
        }
        break;
    }
    case DrawEditPoints:
        if ((modifiers & Qt::ControlModifier) && zone_ != 6 && zone_ != 7) ctrlKey(true);
        if (zone_ == 6) {
            if (!engine_->SelectGuidePoint(m)) setZone(4);
        } else if (zone_ == 7) {
            if (!engine_->SelectGuide(*canvas_, DrawEditPoints, 10, m)) setZone(4);
        } else if (engine_->SelectGuidePoint(m)) {
            setZone(5);
            const auto& e = *engine_;
            const Point p = e.GuidePoints[e.SelectedPointGuide][e.SelectedPoint];
            auto percent = [](int32_t v, int32_t size) { return size > 0 ? int((int64_t(v) * 100 + size / 2) / size) : 0; };
            statusPanels_[1]->setText(tr("Punkt %1, %2%, %3%")
                                          .arg(e.SelectedPoint)
                                          .arg(percent(p.x, canvas_->width()))
                                          .arg(percent(p.y, canvas_->height())));
        } else {
            setZone(4);
        }
        break;
    case DrawRedrawLine:
        if (!(modifiers & (Qt::ShiftModifier | Qt::ControlModifier))) {
            const int16_t previous = engine_->SelectedGuide;
            if (!engine_->SelectGuide(*canvas_, DrawRedrawLine, 5, m)) engine_->SelectedGuide = previous;
        }
        break;
    default: break;
    }
    view_->update();
}

void MainWindow::imageMouseDown(QPoint position, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    ++changeCount_;  // a press, release or double click may change the guides
    const Point m{position.x(), position.y()};
    TFontFX& e = *engine_;
    // The lower line of the two being drawn: a right press makes it parallel, a left press draws it.
    if (capture_ == Capture::WaitLower) {
        if (button == Qt::RightButton) {
            lowerLineParallel();
        } else if (button == Qt::LeftButton) {
            e.SelectedGuide = 2;
            if (e.GetGuideLineBegin(*canvas_, imageRect())) {
                capture_ = Capture::Lower;
                e.GetGuideLineAddPoint(m);
            }
        }
        view_->update();
        return;
    }
    QRect hit = textFrame();
    const int grow = int(std::lround(canvas_->height() * 0.05));
    hit.adjust(-grow, -grow, grow, grow);
    QRect guideBox;
    for (int g = 0; g < 4; ++g)
        for (size_t i = 0; i < std::min<size_t>(e.NumGuidePoints[g], e.GuidePoints[g].size()); ++i)
            guideBox |= QRect(e.GuidePoints[g][i].x, e.GuidePoints[g][i].y, 1, 1);
    const bool inside = hit.contains(position) || guideBox.contains(position) || zone_ > 1;

    if (!guideEditing_ && inside) {
        e.GetMiddleOfGuides();
        e.SelectedGuide = -1;
        showGuides();
    }
    if (guideEditing_ && !inside && drawMode_ != DrawBothLines) {
        hideGuides();
        return;
    }
    if (!(guideEditing_ && inside) && drawMode_ != DrawBothLines) return;

    if (button == Qt::RightButton) {
        if (drawMode_ == DrawBothLines) {
            canvas_->fillRect(imageRect(), rgb(255, 255, 255));
            view_->update();
            return;
        }
        if (e.SelectGuide(*canvas_, drawMode_, 10, m)) {
            if (drawMode_ == DrawEditPoints) e.SelectGuidePoint(m);
            popupPress_ = position;
            setZone(ZoneNone);
            view_->update();
            const QPoint global = view_->mapToGlobal(view_->fromImage(position));
            if (popupHook) {
                popupHook(*deformMenu_, global);
            } else {
                deformMenu_->popup(global);
            }
        }
        return;
    }
    if (button != Qt::LeftButton) return;
    const bool shift = modifiers & Qt::ShiftModifier, ctrl = modifiers & Qt::ControlModifier;
    const Rect rect = imageRect();
    switch (drawMode_) {
    case DrawMove:
        if (zone_ == 9) {
            e.AngleOuterGuideLineBegin(rect, m, shift, ctrl);
        } else if (zone_ == 10) {
            e.AngleCenterGuideLineBegin(rect, m);
        } else if (zone_ == 11 || zone_ == 12) {
            e.ZoomGuideLineBegin(rect, m, e.IsMouseNaheEckpunkt(m));
        } else {
            e.MoveGuideLineBegin(rect, m, shift, ctrl);
        }
        view_->setPreview(e.dragPreview());
        break;
    case DrawEditPoints:
        if (zone_ == 5) {
            e.MoveGuideLinePointBegin(rect, m);
            view_->setPreview(e.dragPreview());
        } else if (zone_ == 6) {
            if (e.DeleteSelectedGuidePoint()) {
                e.Modified = 1;
                recalculate();
            }
        } else if (zone_ == 7) {
            if (e.SelectGuide(*canvas_, DrawEditPoints, 10, m) && e.AddGuidePoint(m)) {
                e.Modified = 1;
                recalculate();
            }
        }
        break;
    case DrawBothLines:
        e.SelectedGuide = 0;
        if (e.GetGuideLineBegin(*canvas_, rect)) {
            capture_ = Capture::Upper;
            e.GetGuideLineAddPoint(m);
        }
        break;
    case DrawRedrawLine:
        if (e.GetGuideLineBegin(*canvas_, rect)) {
            capture_ = Capture::Redraw;
            e.GetGuideLineAddPoint(m);
        }
        break;
    }
    view_->update();
}

void MainWindow::imageMouseUp(QPoint, Qt::MouseButton button) {
    ++changeCount_;  // a press, release or double click may change the guides
    TFontFX& e = *engine_;
    if (e.guideDrag() != GuideDragKind::None) {
        if (button != Qt::LeftButton && button != Qt::RightButton) return;
        const GuideDragKind kind = e.guideDrag();
        const bool changed = e.GuideDragEnd();
        view_->setPreview({});
        if (changed && kind != GuideDragKind::Center) {
            e.Modified = 1;
            asRest([this] { recalculate(); });
        } else {
            showGuides();
        }
        return;
    }
    if (!e.guideCaptureActive()) return;
    const bool drawn = e.GetGuideLineEnd();
    switch (capture_) {
    case Capture::Upper:
        if (!drawn) {
            capture_ = Capture::None;
            break;
        }
        capture_ = Capture::WaitLower;
        showStatus(StatusSimple, tr("Zeichne untere Text-Begrenzungslinie"));
        break;
    case Capture::Lower:
        capture_ = Capture::None;
        e.SetNachbarPoints(0);
        e.SetNachbarPoints(2);
        linesDrawn();
        break;
    default:
        capture_ = Capture::None;
        if (drawn) {
            linesDrawn();
        } else {
            showGuides();
        }
        break;
    }
    view_->update();
}

void MainWindow::lowerLineParallel() {
    capture_ = Capture::None;
    runCommand([this] {
        engine_->MakeGuideParallel(-1, false);
        engine_->SetNachbarPoints(0);
        engine_->SetNachbarPoints(2);
        linesDrawn();
    });
}

// New lines give the letters a new shape: the text mask of the old one goes, the bar's drawing
// request with it.
void MainWindow::linesDrawn() {
    engine_->releaseTextMask();
    engine_->Modified = 1;
    showPanels();
    recalculate();
}

void MainWindow::imageDoubleClick() {
    ++changeCount_;  // a press, release or double click may change the guides
    if (notebook_->currentIndex() != DeformPage) return;
    chooseDrawMode(drawMode_ == DrawEditPoints ? DrawMove : DrawEditPoints);
}

void MainWindow::ctrlKey(bool down) {
    if (notebook_->currentIndex() != DeformPage || drawMode_ != DrawEditPoints || !guideEditing_) return;
    if (!down) {
        setZone(4);
        return;
    }
    const TFontFX& e = *engine_;
    if (e.SelectedPoint >= 0 && !isEndPoint(e, e.SelectedPointGuide, e.SelectedPoint)) {
        setZone(6);
    } else if (engine_->SelectGuide(*canvas_, DrawEditPoints, 10, Point{lastMouse_.x(), lastMouse_.y()})) {
        setZone(7);
    }
}

void MainWindow::buildDeformMenu() {
    deformMenu_ = new QMenu(this);
    deformMenu_->setObjectName(QStringLiteral("DeformPopupMenu"));
    const char* const captions[DeformItemCount] = {
        QT_TR_NOOP("&Add point"), QT_TR_NOOP("&Delete point"), QT_TR_NOOP("De&crease points"),
        QT_TR_NOOP("&Straighten this line"), QT_TR_NOOP("&Parallelly to opposite line"),
        QT_TR_NOOP("&Reflected to opposite line"), QT_TR_NOOP("&Move line"), QT_TR_NOOP("&Edit line"),
        QT_TR_NOOP("Re&draw line")};
    for (int i = 0; i < DeformItemCount; ++i) {
        if (i == StraightenItem) deformSeparator_ = deformMenu_->addSeparator();
        if (i == MoveLineItem) deformMenu_->addSeparator();
        deformActions_[i] = deformMenu_->addAction(tr(captions[i]));
        connect(deformActions_[i], &QAction::triggered, this, [this, i] { deformMenuItem(DeformItem(i)); });
    }
    for (DeformItem item : {MoveLineItem, EditLineItem, RedrawLineItem}) deformActions_[item]->setCheckable(true);
    connect(deformMenu_, &QMenu::aboutToShow, this, [this] {
        const TFontFX& e = *engine_;
        deformActions_[DeletePointItem]->setEnabled(e.SelectedGuide >= 0 && e.SelectedPoint >= 0 &&
                                                    !isEndPoint(e, e.SelectedPointGuide, e.SelectedPoint));
    });
}

void MainWindow::deformMenuItem(DeformItem item) {
    runCommand([&] {
        TFontFX& e = *engine_;
        bool changed = false;
        switch (item) {
        case AddPointItem: changed = e.AddGuidePoint(Point{popupPress_.x(), popupPress_.y()}); break;
        case DeletePointItem: changed = e.DeleteSelectedGuidePoint(); break;
        case DecreasePointsItem: changed = e.DecreaseGuidePoints(); break;
        case StraightenItem: changed = e.StraightenGuide(); break;
        case ParallelItem:
        case ReflectedItem: changed = e.MakeGuideParallel(e.SelectedGuide, item == ReflectedItem); break;
        case MoveLineItem: chooseDrawMode(DrawMove); return;
        case EditLineItem: chooseDrawMode(DrawEditPoints); return;
        case RedrawLineItem: chooseDrawMode(DrawRedrawLine); return;
        default: return;
        }
        if (changed) {
            e.Modified = 1;
            recalculate();
        }
    });
}

}  // namespace vortel::app
