#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillot {

// What the rename run needs of the main window, and nothing more. Texts are
// bytes: a path read from the list must be the exact bytes appended.
class Run_window {
public:
    virtual ~Run_window() = default;

    virtual std::string Directory_text() = 0;
    virtual std::string Search_text() = 0;
    virtual std::string Replacement_text() = 0;

    virtual void Found_clear() = 0;
    virtual void Found_append(std::string_view path) = 0;
    virtual std::size_t Found_count() = 0;
    virtual std::string Found_item(std::size_t index) = 0;

    // Lets the event loop dispatch what is pending, then returns.
    virtual void Process_pending_events() = 0;
    // True once the user has closed the window: the run must stop before it
    // touches another file.
    virtual bool Closing() = 0;

    // A modal box with a single OK button; returns when the user closes it.
    virtual void Show_message(std::string_view text, std::string_view caption) = 0;
};

}  // namespace quillot
