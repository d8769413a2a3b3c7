#include "reference/referencereading.h"

namespace tolvane {

ReferenceReading::~ReferenceReading()
{
    if (reading_.valid())
        reading_.wait();
}

bool ReferenceReading::start(const QString& path)
{
    if (!UsdaReference::beginsAsReference(path))
        return false;
    reading_ = std::async(std::launch::async, [path] {
        Read read;
        read.reference = UsdaReference::load(path);
        if (read.reference)
            read.search = std::make_unique<ReferenceSearch>(read.reference->foods());
        return read;
    });
    return true;
}

bool ReferenceReading::wait()
{
    if (reading_.valid())
        read_ = reading_.get();
    return read_.search != nullptr;
}

} // namespace tolvane
