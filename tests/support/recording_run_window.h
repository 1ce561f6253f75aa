#pragma once

#include "run_window.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quillot::testing {

// A run window made of plain fields, which records every message shown and
// can act from inside the run each time events are processed.
class Recording_run_window : public Run_window {
public:
    std::string directory;
    std::string search;
    std::string replacement;
    std::vector<std::string> found;
    std::vector<std::pair<std::string, std::string>> messages;  // text, caption
    int events_processed = 0;
    bool closing = false;
    std::function<void(Recording_run_window&)> on_events;

    std::string Directory_text() override { return directory; }
    std::string Search_text() override { return search; }
    std::string Replacement_text() override { return replacement; }

    void Found_clear() override { found.clear(); }
    void Found_append(std::string_view path) override { found.emplace_back(path); }
    std::size_t Found_count() override { return found.size(); }
    std::string Found_item(std::size_t index) override { return found.at(index); }

    void Process_pending_events() override
    {
        ++events_processed;
        if (on_events)
            on_events(*this);
    }
    bool Closing() override { return closing; }

    void Show_message(std::string_view text, std::string_view caption) override
    {
        messages.emplace_back(text, caption);
    }
};

}  // namespace quillot::testing
