#pragma once

#include "posix_file_system.h"

#include <functional>

// The real file-system layer, which calls a hook each time the listing hands
// out an entry, so that a test can act in the middle of a run.
class Hooked_file_system : public quillot::Posix_file_system {
public:
    explicit Hooked_file_system(std::function<void(int entry)> hook) : hook_(std::move(hook)) {}

    std::unique_ptr<quillot::Directory_search> Start_search(const std::string& pattern) override
    {
        auto search = Posix_file_system::Start_search(pattern);
        if (!search)
            return nullptr;
        return std::make_unique<Hooked_search>(std::move(search), hook_);
    }

private:
    class Hooked_search : public quillot::Directory_search {
    public:
        Hooked_search(std::unique_ptr<quillot::Directory_search> inner, std::function<void(int)>& hook)
            : inner_(std::move(inner)), hook_(hook)
        {
        }
        bool Next(quillot::Directory_entry& entry) override
        {
            if (!inner_->Next(entry))
                return false;
            hook_(++entries_);
            return true;
        }

    private:
        std::unique_ptr<quillot::Directory_search> inner_;
        std::function<void(int)>& hook_;
        int entries_ = 0;
    };

    std::function<void(int)> hook_;
};
