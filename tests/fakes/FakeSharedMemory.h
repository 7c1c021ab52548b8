#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/SharedMemory.h"

namespace wl::test {

// Named blocks kept in this process. It records every call as a line ("create /x", "map 1",
// "unmap /x", "close 1", "remove /x"); the test can make a block exist beforehand, as the
// viewer would, and make creating or mapping a named block fail.
//
// Thread: the test's thread.
class FakeSharedMemory final : public SharedMemory {
  public:
    std::set<std::string> failCreate;
    std::set<std::string> failMap;
    std::vector<std::string> calls;

    // A block another program made before this one asked for it.
    void makeExisting(const std::string& name, std::size_t size);
    bool exists(const std::string& name) const { return blocks_.count(name) != 0; }
    // The bytes of a block, empty when it does not exist.
    std::vector<std::uint8_t> bytes(const std::string& name) const;
    std::size_t openHandles() const { return handles_.size(); }
    std::size_t mappedViews() const { return views_.size(); }

    Opened createOrOpen(const std::string& name, std::size_t size) override;
    Mapped map(Handle handle, std::size_t size) override;
    void unmap(std::uint8_t* view, std::size_t size) override;
    void close(Handle handle) override;
    void remove(const std::string& name) override;

  private:
    using Bytes = std::shared_ptr<std::vector<std::uint8_t>>;

    std::map<std::string, Bytes> blocks_;
    std::map<Handle, std::string> handles_;
    std::map<std::uint8_t*, std::string> views_;
    // A removed block lives on while a handle or view holds it, as a mapped one does.
    std::map<Handle, Bytes> handleBytes_;
    Handle nextHandle_ = 1;
};

}  // namespace wl::test
