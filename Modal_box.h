#pragma once

#include <QMessageBox>

#include <string_view>

// A message box with a single OK button, modal to the whole application.
// Texts are UTF-8 bytes. When it closes, the window that was active and its
// focused control are active again, whatever the window manager does.
void Show_modal_box(QMessageBox::Icon icon, std::string_view caption, std::string_view text);
