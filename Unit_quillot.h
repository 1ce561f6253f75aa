#pragma once

#include "file_system.h"
#include "run_window.h"

#include <QWidget>

#include <memory>

class Found_list_model;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;
class TDirectoryOutline;

// The main window: the three fields, the found list, the folder tree, the
// run button and the help button. It is the window the rename run works
// through.
class TForm1 : public QWidget, private quillot::Run_window {
    Q_OBJECT

public:
    explicit TForm1(std::unique_ptr<quillot::File_system> file_system = nullptr, QWidget* parent = nullptr);
    ~TForm1() override;

    QLabel* Label_file_search;
    QLineEdit* Edit_file_search;
    QListView* ListBox_file_found;
    QLabel* Label_directory;
    QLineEdit* Edit_find_path;
    TDirectoryOutline* DirectoryOutline1;
    QPushButton* Button_run;
    QLabel* Label1;
    QLineEdit* Edit_file_replace;
    QToolButton* SpeedButton2;
    QLabel* Label11;

    void DirectoryOutline1Change(QObject* sender);
    void Button_runClick(QObject* sender);
    void SpeedButton2Click(QObject* sender);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Run_guard;

    void Create_controls();
    void Connect_handlers();
    void Set_tab_order();

    std::string Directory_text() override;
    std::string Search_text() override;
    std::string Replacement_text() override;
    void Found_clear() override;
    void Found_append(std::string_view path) override;
    std::size_t Found_count() override;
    std::string Found_item(std::size_t index) override;
    void Process_pending_events() override;
    bool Closing() override;
    void Show_message(std::string_view text, std::string_view caption) override;

    Found_list_model* found_list_;
    std::unique_ptr<quillot::File_system> file_system_;
    bool run_in_progress_ = false;
    bool closing_ = false;
};

// The one main window, for the program's lifetime.
extern TForm1* Form1;
