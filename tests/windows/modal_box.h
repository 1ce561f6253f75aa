#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

// Watches, for as long as it lives, for the next modal message box; records
// what it says, runs inspect while it is still open, then presses Return in
// it, as a user would.
class Box_answerer {
public:
    explicit Box_answerer(std::function<void()> inspect = {}) : inspect_(std::move(inspect))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }

    bool shown = false;
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;

private:
    void Answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer_.stop();
        shown = true;
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        if (inspect_)
            inspect_();
        QTest::keyClick(box, Qt::Key_Return);
    }

    std::function<void()> inspect_;
    QTimer timer_;
};
