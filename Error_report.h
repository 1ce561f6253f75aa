#pragma once

#include <QString>

#include <exception>
#include <string>
#include <string_view>

// The application's title: the executable's file name without its folder,
// cut at its first ".", every letter after the first in lower case.
QString Application_title(const QString& executable_path);

// The message as the error report shows it: with a closing "." unless it is
// empty or already ends in "." or a character that sorts before it.
std::string Error_report_text(std::string_view message);

// Shows an error that left an event handler: a modal box with the error icon,
// the application's name as caption and a single OK button.
void Show_error_report(std::string_view message);

// Runs an event handler and reports any exception that leaves it, so that no
// exception crosses Qt's event machinery and the program goes on.
template <typename Handler>
void Report_errors(Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        Show_error_report(error.what());
    } catch (...) {
        Show_error_report("Erreur inconnue");
    }
}
