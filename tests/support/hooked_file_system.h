#pragma once

#include "posix_file_system.h"

#include <functional>

namespace quillot::testing {

// The real file-system layer, which calls on_entry each time the listing
// hands out an entry and on_listing_end when the listing is over, so that a
// test can act in the middle of a run or between its two passes.
class Hooked_file_system : public Posix_file_system {
public:
    std::function<void(int entry)> on_entry = [](int) {};
    std::function<void()> on_listing_end = [] {};

    std::unique_ptr<Directory_search> Start_search(const std::string& pattern) override
    {
        auto search = Posix_file_system::Start_search(pattern);
        if (!search)
            return nullptr;
        return std::make_unique<Hooked_search>(std::move(search), *this);
    }

private:
    class Hooked_search : public Directory_search {
    public:
        Hooked_search(std::unique_ptr<Directory_search> inner, Hooked_file_system& owner)
            : inner_(std::move(inner)), owner_(owner)
        {
        }
        bool Next(Directory_entry& entry) override
        {
            if (!inner_->Next(entry)) {
                owner_.on_listing_end();
                return false;
            }
            owner_.on_entry(++entries_);
            return true;
        }

    private:
        std::unique_ptr<Directory_search> inner_;
        Hooked_file_system& owner_;
        int entries_ = 0;
    };
};

}  // namespace quillot::testing
