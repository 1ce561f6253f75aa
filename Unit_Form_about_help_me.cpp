#include "Unit_Form_about_help_me.h"

#include "Error_report.h"
#include "Form_style.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

TForm_about_help_me* Form_about_help_me = nullptr;

TForm_about_help_me::TForm_about_help_me(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle("What About File Quillot.");
    setFont(Windows_font(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, button_face_colour);
    setPalette(palette);
    setFixedSize(550, 121);

    const QFont text_font = Windows_font(13);
    Label1 = Make_label(this, QString::fromUtf8("Quillot est un programme qui renomme les fichiers en groupe d'un répertoire."),
                        {16, 8, 500, 16}, text_font);
    Label2 = Make_label(this, QString::fromUtf8("Sur une idée de Talmio : remplacer dans un répertoire donné,"),
                        {16, 28, 396, 16}, text_font);
    Label3 = Make_label(
        this, QString::fromUtf8("Les noms de fichier correspondant à une recherche par une autre chaine de caractère."),
        {16, 48, 510, 16}, text_font);
    Label11 = Make_label(this, QString::fromUtf8("Quillot, par son équipe : renommer en groupe, sans rien perdre."),
                         {92, 96, 369, 13}, Windows_font(11));
    Set_text_colour(Label11, navy_colour);

    Image1 = new QLabel(this);
    Image1->setGeometry(16, 72, 45, 41);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QIcon(":/pictures/quillot_icon.xpm").pixmap(32, 32));
    Image1->installEventFilter(this);
}

bool TForm_about_help_me::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Report_errors([this] { Image1Click(Image1); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_about_help_me::Image1Click(QObject*)
{
    // Closes once the request is dispatched, exactly as through the close box.
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TForm_about_help_me::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}
