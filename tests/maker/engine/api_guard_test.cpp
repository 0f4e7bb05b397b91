// The guard every C function runs its body in: no exception leaves it, and each kind of failure
// becomes the result the function documents.
#include "api_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <system_error>

namespace radezuvi {
namespace {

TEST(ApiGuard, EveryExceptionBecomesAResultCode) {
    EXPECT_EQ(guardedCode([]() -> std::int32_t { throw std::bad_alloc(); }), RADEZUVI_ERR_RESOURCE);
    EXPECT_EQ(guardedCode([]() -> std::int32_t {
                  throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
              }),
              RADEZUVI_ERR_RESOURCE)
        << "a thread the system refuses";
    EXPECT_EQ(guardedCode([]() -> std::int32_t { throw std::out_of_range("index"); }), RADEZUVI_ERR_INTERNAL);
    EXPECT_EQ(guardedCode([]() -> std::int32_t { throw 42; }), RADEZUVI_ERR_INTERNAL)
        << "not even a standard exception";
    EXPECT_EQ(guardedCode([] { return std::int32_t{7}; }), 7);
}

TEST(ApiGuard, HandlesAndListsFailAsTheirSingleValue) {
    EXPECT_EQ(guarded([]() -> Radezuvi_Handle { throw std::runtime_error("x"); }, Radezuvi_Handle{0}), 0u);
    EXPECT_EQ(guarded([]() -> Radezuvi_Handle { throw std::bad_alloc(); }, Radezuvi_Handle{0}), 0u);
    int item = 0;
    EXPECT_EQ(guarded([]() -> int* { throw 1; }, static_cast<int*>(nullptr)), nullptr);
    EXPECT_EQ(guarded([&]() -> int* { return &item; }, static_cast<int*>(nullptr)), &item);
}

TEST(ApiGuard, TaskBodiesAreGuardedToo) {
    EXPECT_EQ(withTask(0, [](Task&) -> std::int32_t { return RADEZUVI_OK; }), RADEZUVI_ERR_HANDLE);
    TaskDefinition polling;
    polling.operation = RADEZUVI_OP_AI_POLLING;
    polling.typeCode = 1;
    const Radezuvi_Handle handle = Engine::instance().add(std::move(polling), false);
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(withTask(handle, [](Task&) -> std::int32_t { throw std::bad_alloc(); }), RADEZUVI_ERR_RESOURCE);
    EXPECT_EQ(withTask(handle, [](Task&) -> std::int32_t { throw std::logic_error("x"); }),
              RADEZUVI_ERR_INTERNAL);
    EXPECT_EQ(withTask(handle, [](Task&) { return std::int32_t{RADEZUVI_OK}; }), RADEZUVI_OK)
        << "the task is still usable after a failed call";
    const auto task = Engine::instance().take(handle);
    ASSERT_TRUE(task);
    task->stop();
}

} // namespace
} // namespace radezuvi
