#include "Form_style.h"
#include "Unit_Form_about_help_me.h"
#include "Unit_quillot.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// Opens the about window through the help button and acts on it once it is
// shown modally, while the button's handler is still waiting for it.
class About_window_test : public QObject {
    Q_OBJECT

private:
    // Presses the help button; act runs once the about window is up, and the
    // call returns when the window has closed again.
    void Open_and(const std::function<void()>& act)
    {
        bool was_modal = false;
        QTimer::singleShot(0, [&] {
            // Should act fail half-way, the window still closes and the test goes on.
            QTimer::singleShot(2000, Form_about_help_me, &QWidget::close);
            QTRY_VERIFY(Form_about_help_me->isVisible());
            was_modal = QApplication::activeModalWidget() == Form_about_help_me;
            act();
        });
        QTest::mouseClick(form_->SpeedButton2, Qt::LeftButton);
        QVERIFY(was_modal);
        QVERIFY(!Form_about_help_me->isVisible());
    }

    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TForm_about_help_me> about_;

private slots:
    void init()
    {
        form_ = std::make_unique<TForm1>();
        Form1 = form_.get();
        about_ = std::make_unique<TForm_about_help_me>();
        Form_about_help_me = about_.get();
        form_->show();
    }

    void cleanup()
    {
        Form_about_help_me = nullptr;
        about_.reset();
        Form1 = nullptr;
        form_.reset();
    }

    void is_created_hidden_with_its_fixed_content()
    {
        QVERIFY(!about_->isVisible());
        QCOMPARE(about_->windowTitle(), QString("What About File Quillot."));
        QCOMPARE(about_->size(), QSize(550, 121));
        QCOMPARE(about_->minimumSize(), about_->maximumSize());
        QVERIFY(about_->windowFlags().testFlag(Qt::Tool));
        QVERIFY(!about_->windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
        QCOMPARE(about_->Label1->text(),
                 QString("Quillot est un programme qui renomme les fichiers en groupe d'un répertoire."));
        QCOMPARE(about_->Label2->text(), QString("Sur une idée de Talmio : remplacer dans un répertoire donné,"));
        QCOMPARE(about_->Label3->text(),
                 QString("Les noms de fichier correspondant à une recherche par une autre chaine de caractère."));
        QCOMPARE(about_->Label1->pos(), QPoint(16, 8));
        QCOMPARE(about_->Label3->pos(), QPoint(16, 48));
        QCOMPARE(about_->Label1->font().pixelSize(), 13);
        QCOMPARE(about_->Label11->pos(), QPoint(92, 96));
        QCOMPARE(about_->Label11->palette().color(QPalette::WindowText), navy_colour);
        QCOMPARE(about_->Image1->geometry(), QRect(16, 72, 45, 41));
        QCOMPARE(about_->Image1->pixmap().size(), QSize(32, 32));
    }

    void click_on_icon_closes_it_and_nothing_else_does()
    {
        Open_and([this] {
            const QPoint offset =
                about_->frameGeometry().center() - QApplication::primaryScreen()->availableGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2, "centred on the screen");
            QTest::mouseClick(about_->Label2, Qt::LeftButton);
            QTest::mouseClick(about_.get(), Qt::LeftButton, {}, {300, 100});
            QTest::qWait(20);
            QVERIFY(about_->isVisible());
            QTest::mouseClick(about_->Image1, Qt::LeftButton);
            QVERIFY2(about_->isVisible(), "closes only once the posted request is dispatched");
            QTRY_VERIFY_WITH_TIMEOUT(!about_->isVisible(), 500);
        });
    }

    void opens_any_number_of_times()
    {
        for (int time = 0; time < 3; ++time)
            Open_and([this] { about_->close(); });
        QVERIFY(form_->isVisible());
    }
};

QTEST_MAIN(About_window_test)
#include "about_window_test.moc"
