// The record file against a plain in-memory picture of it: the same random
// program on both, for several cache shapes; after every reopen the file's
// bytes and its records agree with the picture.
#include <gtest/gtest.h>

#include "fd_io_model.h"

namespace {

class FdIoDifferential : public ::testing::TestWithParam<Shape> {};

TEST_P(FdIoDifferential, FileAndRecordsAgreeWithThePictureAfterEveryReopen) {
    const Shape s = GetParam();
    FdIoFile f;
    f.disk.put_bytes(f.name, {});
    FileModel m(s);
    RandomRun run(f, m, 1234u + uint32_t(s.nbuf * 31 + s.bufcnt * 7 + s.recsize));
    ASSERT_EQ(f.open(s.recsize, s.bufcnt, s.offset, s.nbuf), 1);
    for (int round = 0; round < 12; ++round) {
        for (int i = 0; i < 120; ++i)
            ASSERT_TRUE(run.step()) << "round " << round << " step " << i;
        ASSERT_EQ(Fd_Io_Close(f.o), 1);
        m.closed();
        ASSERT_EQ(f.disk.bytes(f.name), m.file) << "round " << round;
        ASSERT_EQ(f.open(s.recsize, s.bufcnt, s.offset, s.nbuf), 1);
        if (s.offset) {
            ASSERT_EQ(0, std::memcmp(Fd_Io_GetOffsetPtr(f.o), m.header.data(), m.header.size()));
        }
        ASSERT_TRUE(run.agrees(m.datE + 2)) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, FdIoDifferential,
                         ::testing::Values(Shape{1, 1, 8, 0}, Shape{1, 4, 8, 16},
                                           Shape{2, 3, 5, 7}, Shape{3, 16, 12, 0},
                                           Shape{10, 2, 8, 32}, Shape{10, 64, 4, 100},
                                           Shape{4, 1, 1, 1}, Shape{7, 5, 3, 2}));

}  // namespace
