#pragma once

#include <QDialog>

class QLabel;

// The small window that says what the program does, shown modally from the
// main window's help button. A click on its icon closes it.
class TForm_about_help_me : public QDialog {
    Q_OBJECT

public:
    explicit TForm_about_help_me(QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label11;
    QLabel* Image1;

    void Image1Click(QObject* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

// The one about window, created hidden at start-up.
extern TForm_about_help_me* Form_about_help_me;
