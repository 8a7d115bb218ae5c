// Feeds arbitrary bytes to the article file reader and writes the result back.
#include "core/articles/article_file.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace morvane::articles;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ArticleFileContent content = ArticleFile::parse(bytes, ArticleFileSettings());
    const QByteArray again = ArticleFile::serialize(content.articles, content.settings,
                                                    content.currentRenames.value_or(RenameGroup{}), content.slotRenames);
    // What we write must read back to the same list.
    const ArticleFileContent back = ArticleFile::parse(again, ArticleFileSettings());
    if (back.articles != content.articles)
        __builtin_trap();
    return 0;
}
