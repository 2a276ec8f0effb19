#include "panels/pages/ValueRows.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace vortel::pages {

ValueRow AddValueRow(QGridLayout* grid, int row, const QString& caption, const QString& prefix, const QString& name,
                     int minimum, int maximum, int editWidth) {
    ValueRow r;
    r.caption = new QLabel(caption);
    r.bar = new QSlider(Qt::Horizontal);
    r.bar->setObjectName(prefix + name + QStringLiteral("TrackBar"));
    r.bar->setRange(minimum, maximum);
    r.bar->setMinimumWidth(110);
    r.edit = new QLineEdit;
    r.edit->setObjectName(prefix + name + QStringLiteral("Edit"));
    r.edit->setFixedWidth(editWidth);
    grid->addWidget(r.caption, row, 0);
    grid->addWidget(r.bar, row, 1);
    grid->addWidget(r.edit, row, 2);
    return r;
}

controls::SpeedButton* AddStepButton(QGridLayout* grid, const QString& prefix, int tag) {
    auto* step = new controls::SpeedButton(tag % 2 ? QStringLiteral("\u2212") : QStringLiteral("+"));
    step->setObjectName(prefix + QStringLiteral("SpeedButton%1").arg(tag));
    step->tag = tag;
    step->setToolTip(tag % 2 ? QCoreApplication::translate("vortel::pages::ValueRows", "Lower")
                             : QCoreApplication::translate("vortel::pages::ValueRows", "Raise"));
    step->setFixedSize(20, 20);
    grid->addWidget(step, (tag - 1) / 2, 3 + (tag - 1) % 2);
    return step;
}

}  // namespace vortel::pages
