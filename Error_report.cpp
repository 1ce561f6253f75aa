#include "Error_report.h"

#include "Modal_box.h"

#include <QApplication>
#include <QFileInfo>

QString Application_title(const QString& executable_path)
{
    const QString name = QFileInfo(executable_path).fileName().section('.', 0, 0);
    return name.left(1) + name.mid(1).toLower();
}

std::string Error_report_text(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text.push_back('.');
    return text;
}

void Show_error_report(std::string_view message)
{
    Show_modal_box(QMessageBox::Critical, QApplication::applicationName().toStdString(), Error_report_text(message));
}
