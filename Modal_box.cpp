#include "Modal_box.h"

#include <QApplication>
#include <QPointer>

namespace {

QString Text_of(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

void Show_modal_box(QMessageBox::Icon icon, std::string_view caption, std::string_view text)
{
    const QPointer<QWidget> active = QApplication::activeWindow();
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QMessageBox box(icon, Text_of(caption), Text_of(text), QMessageBox::Ok, active);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    if (active && active->isVisible())
        active->activateWindow();
    if (focus && focus->isVisible())
        focus->setFocus();
}
