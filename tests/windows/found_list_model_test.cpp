#include "Found_list_model.h"

#include <QSignalSpy>
#include <QTest>

class Found_list_model_test : public QObject {
    Q_OBJECT

private slots:
    void keeps_exact_bytes_and_decodes_only_for_display()
    {
        Found_list_model model;
        const std::string path = "/photos/\xff\xfe_2009.jpg";
        model.Append(path);
        model.Publish();
        QCOMPARE(model.Item(0), path);
        QCOMPARE(model.index(0).data().toString(), QString::fromUtf8(path));
    }

    void first_row_shows_at_once_and_the_rest_on_publish()
    {
        Found_list_model model;
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.Append("/a/1");
        model.Publish_if_due();
        QCOMPARE(model.rowCount(), 1);
        for (int row = 2; row <= 1000; ++row)
            model.Append("/a/" + std::to_string(row));
        QCOMPARE(model.Count(), 1000U);
        model.Publish();
        QCOMPARE(model.rowCount(), 1000);
        QCOMPARE(model.index(999).data().toString(), QString("/a/1000"));
        model.Publish();
        QVERIFY2(inserted.count() <= 2, "one insertion a batch, none when nothing is new");
    }

    void clear_empties_view_and_list()
    {
        Found_list_model model;
        model.Append("/a/1");
        model.Publish();
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.Clear();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.Count(), 0U);
        QVERIFY(!model.index(0).data().isValid());
    }
};

QTEST_MAIN(Found_list_model_test)
#include "found_list_model_test.moc"
