#include "document/DocumentIo.h"

#include <algorithm>

#include "document/Document.h"

namespace vortel {

std::span<const uint8_t> DocumentSource::ReadBlock(size_t count) {
    if (count > remaining()) throw DocumentError(document_messages::shortRead());
    const auto block = bytes_.subspan(position_, count);
    position_ += count;
    return block;
}

void DocumentSource::CheckZeroRun(size_t count) {
    const auto run = ReadBlock(count);
    if (std::any_of(run.begin(), run.end(), [](uint8_t b) { return b != 0; })) fail();
}

bool DocumentSource::peekTag(std::string_view tag) const {
    return remaining() >= tag.size() && std::equal(tag.begin(), tag.end(), bytes_.begin() + ptrdiff_t(position_));
}

void DocumentSource::fail() const { throw DocumentError(document_messages::readFailed(name_)); }

}  // namespace vortel
