#include "Error_report.h"
#include "modal_box.h"

#include <QTest>

#include <stdexcept>

class Error_report_test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setApplicationName("Project_quillot"); }

    void text_gets_closing_period_data()
    {
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("code") << QByteArray("Erreur E/S 183") << QByteArray("Erreur E/S 183.");
        QTest::newRow("accented end") << QByteArray("Accès au fichier refusé") << QByteArray("Accès au fichier refusé.");
        QTest::newRow("already a period") << QByteArray("Fin.") << QByteArray("Fin.");
        QTest::newRow("sorts before period") << QByteArray("Fin!") << QByteArray("Fin!");
        QTest::newRow("empty") << QByteArray("") << QByteArray("");
    }

    void text_gets_closing_period()
    {
        QFETCH(QByteArray, message);
        QFETCH(QByteArray, shown);
        QCOMPARE(QByteArray::fromStdString(Error_report_text(message.toStdString())), shown);
    }

    void title_comes_from_executable_name_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("program") << "/usr/bin/Project_quillot" << "Project_quillot";
        QTest::newRow("capitals and dots") << "./QUILLOT.Release.bin" << "Quillot";
        QTest::newRow("first letter kept") << "quillot" << "quillot";
    }

    void title_comes_from_executable_name()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(Application_title(path), title);
    }

    void exception_leaving_handler_is_reported_and_program_goes_on()
    {
        Box_answerer seen;
        Report_errors([] { throw std::runtime_error("Disque plein"); });
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString("Disque plein."));
        QCOMPARE(seen.caption, QString("Project_quillot"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
    }
};

QTEST_MAIN(Error_report_test)
#include "error_report_test.moc"
