#pragma once
#include <QDialog>
class QPlainTextEdit;
class QCheckBox;
namespace vortel::app {
class TextInputDialog : public QDialog {
    Q_OBJECT
public:
    TextInputDialog(const QString& text, bool professional, QWidget* parent = nullptr);
    QStringList lines() const;
    QString text() const;
    bool assistant() const;
    bool professional() const;
private:
    QPlainTextEdit* memo_;
    QCheckBox* assistant_;
    QCheckBox* profi_;
};
}  // namespace vortel::app
