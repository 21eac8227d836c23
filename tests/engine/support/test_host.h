// A host for engine tests: records every post and message box, answers questions from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "notewire/notewire.h"

namespace nwtest {

struct Post {
    uint32_t message, wparam, lparam;
    bool operator==(const Post &) const = default;
};

struct Box {
    std::string text, caption;
    uint32_t style;
};

class TestHost {
  public:
    TestHost();
    const NwHost *host() const { return &host_; }

    std::vector<Post> posts() const;
    std::vector<Post> postsOf(uint32_t message) const;
    void clearPosts();
    std::vector<Box> boxes() const { return boxes_; }
    void answerNext(int32_t answer) { answers_.push_back(answer); }

  private:
    static void onPost(void *context, uint32_t message, uint32_t wparam, uint32_t lparam);
    static int32_t onBox(void *context, const char *text, const char *caption, uint32_t style);

    NwHost host_{};
    mutable std::mutex mutex_;  // posts come from the clock thread too
    std::vector<Post> posts_;
    std::vector<Box> boxes_;
    std::deque<int32_t> answers_;
};

}  // namespace nwtest
