#include "core/locate/file_kind.h"

#include "support/catalogues.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

// Only the signature at its place makes an Access file (both signatures at
// their place are recognised in open_catalogue_test).
TEST(FileKindTest, AccessSignatureAtItsPlace) {
    test::CatalogueDir dir;
    const QByteArray lead(4, '\x01');
    EXPECT_TRUE(isAccessDatabase(dir.writeFile("ace.accdb", lead + "Standard ACE DB")));
    EXPECT_FALSE(isAccessDatabase(dir.writeFile("cut.mdb", lead + "Standard Jet D")));
    EXPECT_FALSE(isAccessDatabase(dir.writeFile("early.mdb", "Standard Jet DB")));
    EXPECT_FALSE(isAccessDatabase(dir.make("winapi.mdb")));
    EXPECT_FALSE(isAccessDatabase(dir.path("")));  // the folder itself
    EXPECT_FALSE(isAccessDatabase(dir.path("missing.mdb")));
}

}  // namespace
}  // namespace tolvane
