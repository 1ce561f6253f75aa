#include "io_error.h"
#include "name_substitution.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

// What the substitution must do, in the plainest words std::string has.
std::string Reference_replace(const std::string& name, const std::string& search, const std::string& replacement)
{
    const std::size_t position = name.find(search);
    if (position == std::string::npos)
        return name;
    std::string result = name;
    result.replace(position, search.size(), replacement);
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const std::string search = provider.ConsumeRandomLengthString(16);
    const std::string replacement = provider.ConsumeRandomLengthString(5000);
    const std::string name = provider.ConsumeRemainingBytesAsString();
    const std::string expected = Reference_replace(name, search, replacement);
    try {
        if (quillot::Replace_in_name(name, search, replacement) != expected)
            std::abort();
        if (expected.size() > quillot::name_buffer_capacity && expected != name)
            std::abort();
    } catch (const quillot::Io_error& error) {
        if (error.code() != quillot::io_code::name_too_long || expected.size() <= quillot::name_buffer_capacity)
            std::abort();
    }
    return 0;
}
