#include "Error_report.h"
#include "Unit_Form_about_help_me.h"
#include "Unit_quillot.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// Without this, Qt aborts with a page about platform plugins.
bool Has_graphical_session()
{
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!Has_graphical_session()) {
        std::fputs("Quillot needs a graphical session: no display found (DISPLAY is not set).\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(Application_title(QString::fromLocal8Bit(argv[0])));
    QApplication::setWindowIcon(QIcon(":/pictures/quillot_icon.xpm"));

    TForm1 form1;
    Form1 = &form1;
    TForm_about_help_me about;
    Form_about_help_me = &about;

    form1.show();
    const int status = QApplication::exec();
    Form_about_help_me = nullptr;
    Form1 = nullptr;
    return status;
}
