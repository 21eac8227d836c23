#include "test_host.h"

namespace nwtest {

TestHost::TestHost() {
    host_.context = this;
    host_.post = &TestHost::onPost;
    host_.message_box = &TestHost::onBox;
}

std::vector<Post> TestHost::posts() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return posts_;
}

std::vector<Post> TestHost::postsOf(uint32_t message) const {
    std::vector<Post> out;
    for (const Post &p : posts())
        if (p.message == message) out.push_back(p);
    return out;
}

void TestHost::clearPosts() {
    std::lock_guard<std::mutex> guard(mutex_);
    posts_.clear();
}

void TestHost::onPost(void *context, uint32_t message, uint32_t wparam, uint32_t lparam) {
    auto *self = static_cast<TestHost *>(context);
    std::lock_guard<std::mutex> guard(self->mutex_);
    self->posts_.push_back({message, wparam, lparam});
}

int32_t TestHost::onBox(void *context, const char *text, const char *caption, uint32_t style) {
    auto *self = static_cast<TestHost *>(context);
    self->boxes_.push_back({text ? text : "", caption ? caption : "", style});
    if (self->answers_.empty()) return (style & 0xF) == NW_MB_YESNO ? NW_IDNO : NW_IDOK;
    int32_t answer = self->answers_.front();
    self->answers_.pop_front();
    return answer;
}

}  // namespace nwtest
