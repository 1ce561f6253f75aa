#include "Unit_quillot.h"

#include "Directory_outline.h"
#include "Error_report.h"
#include "Form_style.h"
#include "Found_list_model.h"
#include "Modal_box.h"
#include "Unit_Form_about_help_me.h"
#include "posix_file_system.h"
#include "rename_run.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>

TForm1* Form1 = nullptr;

namespace {

std::string Bytes_of(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

QLineEdit* Make_edit(QWidget* parent, const QRect& bounds)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(bounds);
    return edit;
}

}  // namespace

// While a run lasts, "Lancer" is disabled and the window shows it is busy;
// on every way out, errors included, both come back, and so does the focus.
class TForm1::Run_guard {
public:
    explicit Run_guard(TForm1& form) : form_(form), focus_(QApplication::focusWidget())
    {
        form_.run_in_progress_ = true;
        form_.closing_ = false;
        form_.Button_run->setEnabled(false);
        form_.setCursor(Qt::BusyCursor);
    }
    ~Run_guard()
    {
        form_.run_in_progress_ = false;
        form_.unsetCursor();
        form_.Button_run->setEnabled(true);
        if (focus_)
            focus_->setFocus();
    }
    Run_guard(const Run_guard&) = delete;
    Run_guard& operator=(const Run_guard&) = delete;

private:
    TForm1& form_;
    QPointer<QWidget> focus_;
};

TForm1::TForm1(std::unique_ptr<quillot::File_system> file_system, QWidget* parent)
    : QWidget(parent),
      found_list_(new Found_list_model(this)),
      file_system_(file_system ? std::move(file_system) : std::make_unique<quillot::Posix_file_system>())
{
    setWindowTitle(QString::fromUtf8("Renommer des fichiers dans un répertoire"));
    setFont(Windows_font(11));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, button_face_colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    move(552, 307);
    resize(814, 418);

    Create_controls();
    Connect_handlers();
    Set_tab_order();
    Edit_find_path->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::Create_controls()
{
    const QFont caption_font = Windows_font(19);
    Label_file_search = Make_label(this, "Chercher:", {12, 52, 84, 24}, caption_font);
    Label_directory = Make_label(this, QString::fromUtf8("Répertoire:"), {12, 16, 93, 24}, caption_font);
    Label1 = Make_label(this, "Remplacer:", {12, 92, 97, 24}, caption_font);

    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setGeometry(737, 70, 36, 39);
    SpeedButton2->setIcon(QIcon(":/pictures/help_glyph.xpm"));
    SpeedButton2->setIconSize({23, 22});
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setFocusPolicy(Qt::NoFocus);

    Label11 = Make_label(this, QString::fromUtf8("© Quillot"), {752, 404, 51, 13}, Windows_font(11));
    Set_text_colour(Label11, navy_colour);

    Edit_file_search = Make_edit(this, {128, 56, 357, 21});

    ListBox_file_found = new QListView(this);
    ListBox_file_found->setGeometry(16, 120, 469, 289);
    ListBox_file_found->setUniformItemSizes(true);
    ListBox_file_found->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox_file_found->setModel(found_list_);

    Edit_find_path = Make_edit(this, {128, 20, 357, 21});

    DirectoryOutline1 = new TDirectoryOutline(this);
    DirectoryOutline1->setGeometry(500, 20, 225, 393);

    Button_run = new QPushButton("Lancer", this);
    Button_run->setGeometry(740, 21, 73, 40);

    Edit_file_replace = Make_edit(this, {128, 92, 357, 21});
}

void TForm1::Connect_handlers()
{
    connect(DirectoryOutline1, &TDirectoryOutline::Change, this,
            [this] { Report_errors([this] { DirectoryOutline1Change(DirectoryOutline1); }); });
    connect(Button_run, &QPushButton::clicked, this,
            [this] { Report_errors([this] { Button_runClick(Button_run); }); });
    connect(SpeedButton2, &QToolButton::clicked, this,
            [this] { Report_errors([this] { SpeedButton2Click(SpeedButton2); }); });
}

void TForm1::Set_tab_order()
{
    setTabOrder(Edit_find_path, Edit_file_search);
    setTabOrder(Edit_file_search, Edit_file_replace);
    setTabOrder(Edit_file_replace, ListBox_file_found);
    setTabOrder(ListBox_file_found, DirectoryOutline1);
    setTabOrder(DirectoryOutline1, Button_run);
}

void TForm1::DirectoryOutline1Change(QObject*)
{
    Edit_find_path->setText(DirectoryOutline1->Directory());
}

void TForm1::Button_runClick(QObject*)
{
    if (run_in_progress_)
        return;
    Run_guard guard(*this);
    quillot::Run_rename(*this, *file_system_);
}

void TForm1::SpeedButton2Click(QObject*)
{
    if (Form_about_help_me)
        Form_about_help_me->exec();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // The run sees this at its next entry and ends before renaming anything.
    closing_ = run_in_progress_;
    event->accept();
}

std::string TForm1::Directory_text()
{
    return Bytes_of(Edit_find_path);
}

std::string TForm1::Search_text()
{
    return Bytes_of(Edit_file_search);
}

std::string TForm1::Replacement_text()
{
    return Bytes_of(Edit_file_replace);
}

void TForm1::Found_clear()
{
    found_list_->Clear();
}

void TForm1::Found_append(std::string_view path)
{
    found_list_->Append(path);
}

std::size_t TForm1::Found_count()
{
    // The run asks for the count once the listing is over: every row must show.
    found_list_->Publish();
    return found_list_->Count();
}

std::string TForm1::Found_item(std::size_t index)
{
    return found_list_->Item(index);
}

void TForm1::Process_pending_events()
{
    found_list_->Publish_if_due();
    QCoreApplication::processEvents();
}

bool TForm1::Closing()
{
    return closing_;
}

void TForm1::Show_message(std::string_view text, std::string_view caption)
{
    Show_modal_box(QMessageBox::NoIcon, caption, text);
}
