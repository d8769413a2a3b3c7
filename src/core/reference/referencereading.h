#pragma once
// Reading the USDA reference and building its search take longer than a
// window may take to open. The reading runs in the background from the first
// opening of "Add from USDA", while the window shows and takes typing; the
// first search waits for what is left of it.

#include "reference/referencesearch.h"
#include "reference/usdareference.h"

#include <future>
#include <memory>
#include <optional>

namespace tolvane {

class ReferenceReading {
public:
    ReferenceReading() = default;
    ReferenceReading(const ReferenceReading&) = delete;
    ReferenceReading& operator=(const ReferenceReading&) = delete;
    ~ReferenceReading();  // waits for a reading under way

    // Starts reading `path` in the background; false at once, and nothing
    // started, when the file is missing or does not begin as the reference does.
    bool start(const QString& path);
    // Waits for the reading: true when every line read (a damaged line makes
    // no reference). The reference and its search are there after a true.
    bool wait();

    const UsdaReference& reference() const { return *read_.reference; }
    const ReferenceSearch& search() const { return *read_.search; }

private:
    struct Read {
        std::optional<UsdaReference> reference;
        std::unique_ptr<ReferenceSearch> search;
    };
    std::future<Read> reading_;
    Read read_;
};

} // namespace tolvane
