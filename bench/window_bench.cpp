// Runs the real main window in this process on a folder: fills the fields,
// presses "Lancer", closes the count box as soon as it shows, and prints what
// the run cost, one "name=value" a line.
// Usage: quillot_window_bench FOLDER SEARCH REPLACEMENT
#include "Unit_quillot.h"
#include "posix_file_system.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

QElapsedTimer clock_since_start;

double Now_ms()
{
    return static_cast<double>(clock_since_start.nsecsElapsed()) / 1e6;
}

// What the file-system layer sees of the run: when the listing starts, the
// longest wait between two entries (each wait holds one event-loop turn), and
// when the first rename comes, which is where the listing pass has ended.
struct Run_times {
    double listing_start = -1;
    double last_entry = -1;
    double max_entry_gap = 0;
    double first_rename = -1;
};

class Timing_file_system : public quillot::Posix_file_system {
public:
    explicit Timing_file_system(Run_times& times) : times_(times) {}

    std::unique_ptr<quillot::Directory_search> Start_search(const std::string& pattern) override
    {
        times_.listing_start = times_.last_entry = Now_ms();
        auto search = Posix_file_system::Start_search(pattern);
        return search ? std::make_unique<Timing_search>(std::move(search), times_) : nullptr;
    }

    void Rename(const std::string& old_path, const std::string& new_path) override
    {
        if (times_.first_rename < 0)
            times_.first_rename = Now_ms();
        Posix_file_system::Rename(old_path, new_path);
    }

private:
    class Timing_search : public quillot::Directory_search {
    public:
        Timing_search(std::unique_ptr<quillot::Directory_search> inner, Run_times& times)
            : inner_(std::move(inner)), times_(times)
        {
        }
        bool Next(quillot::Directory_entry& entry) override
        {
            const double now = Now_ms();
            times_.max_entry_gap = std::max(times_.max_entry_gap, now - times_.last_entry);
            times_.last_entry = now;
            return inner_->Next(entry);
        }

    private:
        std::unique_ptr<quillot::Directory_search> inner_;
        Run_times& times_;
    };

    Run_times& times_;
};

// Closes every message box the moment it shows, noting when that was.
class Box_closer : public QObject {
public:
    double shown_at = -1;
    QString text;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                shown_at = Now_ms();
                text = box->text();
                QTimer::singleShot(0, box, &QMessageBox::accept);
            }
        return false;
    }
};

class Paint_counter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

double Peak_rss_mb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double Time_ms(const std::function<void()>& action)
{
    const double start = Now_ms();
    action();
    QCoreApplication::processEvents();
    return Now_ms() - start;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: quillot_window_bench FOLDER SEARCH REPLACEMENT\n", stderr);
        return 2;
    }
    if (!std::getenv("DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    clock_since_start.start();

    Run_times times;
    TForm1 form(std::make_unique<Timing_file_system>(times));
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    form.Edit_find_path->setText(QString::fromLocal8Bit(argv[1]));
    form.Edit_file_search->setText(QString::fromLocal8Bit(argv[2]));
    form.Edit_file_replace->setText(QString::fromLocal8Bit(argv[3]));

    Box_closer box_closer;
    application.installEventFilter(&box_closer);
    Paint_counter paint_counter;
    form.ListBox_file_found->viewport()->installEventFilter(&paint_counter);
    double first_row = -1;
    QObject::connect(form.ListBox_file_found->model(), &QAbstractItemModel::rowsInserted, [&first_row] {
        if (first_row < 0)
            first_row = Now_ms();
    });

    const double pressed = Now_ms();
    form.Button_run->click();
    const Run_times run = times;
    const double box_shown = box_closer.shown_at;
    const QString count_message = box_closer.text;
    const int repaints = paint_counter.paints;
    const int rows = form.ListBox_file_found->model()->rowCount();

    const double scroll_ms = Time_ms([&] { form.ListBox_file_found->scrollToBottom(); });
    const double resize_ms = Time_ms([&] { form.resize(form.width() + 100, form.height() + 100); });
    // A second press starts a run that first clears the list.
    const double second_pressed = Now_ms();
    form.Button_run->click();
    const double clear_ms = times.listing_start - second_pressed;

    if (run.first_rename < 0 || box_shown < 0) {
        std::fputs("the run renamed nothing or showed no count\n", stderr);
        return 1;
    }
    std::printf("count_message=%s\n", count_message.toUtf8().constData());
    std::printf("rows=%d\n", rows);
    std::printf("listing_s=%.6f\n", (run.first_rename - run.listing_start) / 1e3);
    std::printf("renaming_s=%.6f\n", (box_shown - run.first_rename) / 1e3);
    std::printf("total_s=%.6f\n", (box_shown - pressed) / 1e3);
    std::printf("first_row_ms=%.3f\n", first_row - pressed);
    std::printf("max_event_gap_ms=%.3f\n", run.max_entry_gap);
    std::printf("list_repaints=%d\n", repaints);
    std::printf("peak_rss_mb=%.1f\n", Peak_rss_mb());
    std::printf("scroll_to_end_ms=%.3f\n", scroll_ms);
    std::printf("resize_ms=%.3f\n", resize_ms);
    std::printf("clear_ms=%.3f\n", clear_ms);
    return 0;
}
