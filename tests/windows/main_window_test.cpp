#include "Directory_outline.h"
#include "Error_report.h"
#include "Unit_quillot.h"
#include "support/failing_file_system.h"
#include "support/hooked_file_system.h"
#include "modal_box.h"
#include "support/temp_directory.h"

#include <QLabel>
#include <QLineEdit>
#include <QFileSystemModel>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using quillot::testing::Failing_file_system;
using quillot::testing::Hooked_file_system;
using quillot::testing::Temp_directory;

namespace {

QStringList Rows(const TForm1& form)
{
    QStringList rows;
    const QAbstractItemModel* model = form.ListBox_file_found->model();
    for (int row = 0; row < model->rowCount(); ++row)
        rows << model->index(row, 0).data().toString();
    return rows;
}

QString Path_text(const std::string& bytes)
{
    return QString::fromUtf8(bytes);
}

}  // namespace

class Main_window_test : public QObject {
    Q_OBJECT

private:
    // Shows the window, waits until it is active, and types the three texts.
    bool Show_filled(TForm1& form, const QString& directory, const QString& search, const QString& replacement)
    {
        form.show();
        if (!QTest::qWaitForWindowActive(&form))
            return false;
        form.Edit_find_path->setText(directory);
        form.Edit_file_search->setText(search);
        form.Edit_file_replace->setText(replacement);
        return true;
    }

    void Press_run(TForm1& form) { QTest::mouseClick(form.Button_run, Qt::LeftButton); }

private slots:
    void initTestCase() { QApplication::setApplicationName(Application_title("/usr/bin/Project_quillot")); }

    // First, while no other tree has read these folders yet.
    void tree_starts_on_current_directory_in_view()
    {
        Temp_directory folder;
        for (int index = 0; index < 60; ++index)
            folder.Create_folder("f" + std::to_string(100 + index));
        folder.Create_folder("zz");
        const QString start = QDir::currentPath();
        const QString deep = Path_text(folder.File_path("zz"));
        QDir::setCurrent(deep);
        TForm1 form;
        form.show();

        TDirectoryOutline* tree = form.DirectoryOutline1;
        QCOMPARE(tree->Directory(), deep);
        QCOMPARE(tree->currentIndex().data(QFileSystemModel::FilePathRole).toString(), deep);
        // The folders around it arrive in the background and push it down.
        QTRY_COMPARE(tree->model()->rowCount(tree->currentIndex().parent()), 61);
        QTest::qWait(50);
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));
        QVERIFY(form.Edit_find_path->text().isEmpty());
        QDir::setCurrent(start);
    }

    void layout_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("font_height");
        QTest::newRow("Label_file_search") << "Label_file_search" << QRect(12, 52, 84, 24) << "Chercher:" << 19;
        QTest::newRow("Label_directory") << "Label_directory" << QRect(12, 16, 93, 24) << "Répertoire:" << 19;
        QTest::newRow("Label1") << "Label1" << QRect(12, 92, 97, 24) << "Remplacer:" << 19;
        QTest::newRow("Label11") << "Label11" << QRect(752, 404, 51, 13) << "© Quillot" << 11;
        QTest::newRow("SpeedButton2") << "SpeedButton2" << QRect(737, 70, 36, 39) << "" << 11;
        QTest::newRow("Edit_file_search") << "Edit_file_search" << QRect(128, 56, 357, 21) << "" << 11;
        QTest::newRow("ListBox_file_found") << "ListBox_file_found" << QRect(16, 120, 469, 289) << "" << 11;
        QTest::newRow("Edit_find_path") << "Edit_find_path" << QRect(128, 20, 357, 21) << "" << 11;
        QTest::newRow("DirectoryOutline1") << "DirectoryOutline1" << QRect(500, 20, 225, 393) << "" << 11;
        QTest::newRow("Button_run") << "Button_run" << QRect(740, 21, 73, 40) << "Lancer" << 11;
        QTest::newRow("Edit_file_replace") << "Edit_file_replace" << QRect(128, 92, 357, 21) << "" << 11;
    }

    void layout()
    {
        QFETCH(QString, control);
        QFETCH(QRect, bounds);
        QFETCH(QString, text);
        QFETCH(int, font_height);
        TForm1 form;
        const std::map<QString, QWidget*> controls = {
            {"Label_file_search", form.Label_file_search}, {"Label_directory", form.Label_directory},
            {"Label1", form.Label1},                       {"Label11", form.Label11},
            {"SpeedButton2", form.SpeedButton2},           {"Edit_file_search", form.Edit_file_search},
            {"ListBox_file_found", form.ListBox_file_found}, {"Edit_find_path", form.Edit_find_path},
            {"DirectoryOutline1", form.DirectoryOutline1}, {"Button_run", form.Button_run},
            {"Edit_file_replace", form.Edit_file_replace},
        };
        QWidget* widget = controls.at(control);
        QCOMPARE(widget->pos(), bounds.topLeft());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
            // A label may grow to fit its caption, never shrink below its place.
            QVERIFY(label->width() >= bounds.width());
            QVERIFY(label->width() >= label->sizeHint().width());
        } else {
            QCOMPARE(widget->size(), bounds.size());
        }
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            QVERIFY(edit->text().isEmpty());
        QCOMPARE(widget->font().pixelSize(), font_height);
        QCOMPARE(widget->font().family(), QString("MS Sans Serif"));
    }

    void window_frame_and_position()
    {
        TForm1 form;
        QCOMPARE(form.windowTitle(), QString("Renommer des fichiers dans un répertoire"));
        QCOMPARE(form.pos(), QPoint(552, 307));
        QCOMPARE(form.palette().color(QPalette::Window), QColor(0xF0, 0xF0, 0xF0));
        QCOMPARE(form.Label11->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));
        QVERIFY(!form.SpeedButton2->icon().isNull());
        QCOMPARE(form.SpeedButton2->focusPolicy(), Qt::NoFocus);
        form.show();
        form.resize(400, 200);
        QCOMPARE(form.Button_run->pos(), QPoint(740, 21));
    }

    void tab_order_starts_in_path_field()
    {
        TForm1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(QApplication::focusWidget(), form.Edit_find_path);
        const QList<QWidget*> expected = {form.Edit_file_search, form.Edit_file_replace, form.ListBox_file_found,
                                          form.DirectoryOutline1, form.Button_run, form.Edit_find_path};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void tree_selection_fills_path_field()
    {
        Temp_directory folder;
        folder.Create_folder("Photos");
        const QString start = QDir::currentPath();
        TForm1 form;
        QCOMPARE(form.DirectoryOutline1->Directory(), start);
        QSignalSpy changes(form.DirectoryOutline1, &TDirectoryOutline::Change);

        const QString photos = Path_text(folder.File_path("Photos"));
        form.DirectoryOutline1->Select_directory(photos);
        QCOMPARE(form.Edit_find_path->text(), photos);
        QCOMPARE(QDir::currentPath(), photos);
        QCOMPARE(changes.count(), 1);

        form.DirectoryOutline1->Select_directory(photos);
        QCOMPARE(changes.count(), 1);

        form.DirectoryOutline1->Select_directory("/");
        QCOMPARE(form.Edit_find_path->text(), QString("/"));

        form.Edit_find_path->setText("/typed/by/hand");
        QCOMPARE(form.DirectoryOutline1->Directory(), QString("/"));
        QDir::setCurrent(start);
    }

    void run_through_button_renames_and_reports_count()
    {
        Temp_directory folder;
        for (const char* name : {"photo_2009.jpg", "2009_2009.txt", "other.jpg", "\xff\xfe_2009"})
            folder.Create_file(name);
        folder.Create_folder("dir_2009");
        TForm1 form;
        QVERIFY(Show_filled(form, Path_text(folder.path()), "2009", "2010"));

        Box_answerer seen;
        Press_run(form);

        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString("Number of file rename : 3"));
        QCOMPARE(seen.caption, QString("Quillot"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        std::vector<std::string> expected_names = {"2010_2009.txt", "dir_2009", "other.jpg", "photo_2010.jpg",
                                                   "\xff\xfe_2010"};
        std::sort(expected_names.begin(), expected_names.end());
        QVERIFY(folder.Names() == expected_names);
        QStringList rows = Rows(form);
        rows.sort();
        QStringList expected_rows = {Path_text(folder.File_path("2009_2009.txt")),
                                     Path_text(folder.File_path("photo_2009.jpg")),
                                     Path_text(folder.File_path("\xff\xfe_2009"))};
        expected_rows.sort();
        QCOMPARE(rows, expected_rows);
        QVERIFY(form.Button_run->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), form.Button_run);
    }

    void collision_shows_error_report_and_keeps_list()
    {
        Temp_directory folder;
        folder.Create_file("A1");
        folder.Create_file("1A");
        TForm1 form;
        QVERIFY(Show_filled(form, Path_text(folder.path()), "A", ""));

        Box_answerer seen;
        Press_run(form);

        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString("Erreur E/S 183."));
        QCOMPARE(seen.caption, QString("Project_quillot"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(Rows(form).size(), 2);
        QVERIFY((folder.Names() == std::vector<std::string>{"1", "1A"}) ||
                (folder.Names() == std::vector<std::string>{"1", "A1"}));
        QVERIFY(form.Button_run->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), form.Button_run);
    }

    void error_report_names_the_cause_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("2") << 2 << "Fichier introuvable.";
        QTest::newRow("3") << 3 << "Nom de fichier incorrect.";
        QTest::newRow("4") << 4 << "Trop de fichiers ouverts.";
        QTest::newRow("5") << 5 << "Accès au fichier refusé.";
        QTest::newRow("17") << 17 << "Erreur E/S 17.";
        QTest::newRow("32") << 32 << "Erreur E/S 32.";
        QTest::newRow("87") << 87 << "Erreur E/S 87.";
        QTest::newRow("112") << 112 << "Erreur E/S 112.";
        QTest::newRow("183") << 183 << "Erreur E/S 183.";
        QTest::newRow("206") << 206 << "Erreur E/S 206.";
        QTest::newRow("1117") << 1117 << "Erreur E/S 1117.";
    }

    void error_report_names_the_cause()
    {
        QFETCH(int, code);
        QFETCH(QString, shown);
        Temp_directory folder;
        for (const char* name : {"a_2009", "b_2009", "c_2009", "d_2009"})
            folder.Create_file(name);
        TForm1 form(std::make_unique<Failing_file_system>(3, code));
        QVERIFY(Show_filled(form, Path_text(folder.path()), "2009", "2010"));

        Box_answerer seen;
        Press_run(form);

        QCOMPARE(seen.text, shown);
        QCOMPARE(seen.caption, QString("Project_quillot"));
        QCOMPARE(Rows(form).size(), 4);
        const std::vector<std::string> names = folder.Names();
        QCOMPARE(std::count_if(names.begin(), names.end(), [](const std::string& name) { return name.ends_with("2010"); }),
                 2);
    }

    void press_during_run_starts_no_second_run()
    {
        Temp_directory folder;
        for (const char* name : {"a_2009", "b_2009", "c_2009"})
            folder.Create_file(name);
        TForm1* form_pointer = nullptr;
        bool disabled_while_listing = false;
        auto file_system = std::make_unique<Hooked_file_system>();
        file_system->on_entry = [&](int entry) {
            if (entry != 2)
                return;
            disabled_while_listing = !form_pointer->Button_run->isEnabled();
            form_pointer->Button_run->click();
            form_pointer->Button_runClick(form_pointer->Button_run);
        };
        TForm1 form(std::move(file_system));
        form_pointer = &form;
        QVERIFY(Show_filled(form, Path_text(folder.path()), "2009", "2010"));

        Box_answerer seen;
        Press_run(form);

        QVERIFY(disabled_while_listing);
        QCOMPARE(seen.text, QString("Number of file rename : 3"));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY((folder.Names() == std::vector<std::string>{"a_2010", "b_2010", "c_2010"}));
        QVERIFY(form.Button_run->isEnabled());
    }

    void closing_window_while_listing_renames_nothing()
    {
        Temp_directory folder;
        for (const char* name : {"a_2009", "b_2009", "c_2009"})
            folder.Create_file(name);
        TForm1* form_pointer = nullptr;
        auto file_system = std::make_unique<Hooked_file_system>();
        file_system->on_entry = [&](int entry) {
            if (entry == 2)
                QMetaObject::invokeMethod(form_pointer, &QWidget::close, Qt::QueuedConnection);
        };
        TForm1 form(std::move(file_system));
        form_pointer = &form;
        QVERIFY(Show_filled(form, Path_text(folder.path()), "2009", "2010"));

        Box_answerer seen;
        Press_run(form);
        QTest::qWait(50);

        QVERIFY(!seen.shown);
        QVERIFY(!form.isVisible());
        QVERIFY((folder.Names() == std::vector<std::string>{"a_2009", "b_2009", "c_2009"}));
    }
};

QTEST_MAIN(Main_window_test)
#include "main_window_test.moc"
