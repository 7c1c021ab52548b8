#include "fakes/FakeSharedMemory.h"

namespace wl::test {

void FakeSharedMemory::makeExisting(const std::string& name, std::size_t size) {
    blocks_[name] = std::make_shared<std::vector<std::uint8_t>>(size);
}

std::vector<std::uint8_t> FakeSharedMemory::bytes(const std::string& name) const {
    const auto block = blocks_.find(name);
    return block == blocks_.end() ? std::vector<std::uint8_t>{} : *block->second;
}

SharedMemory::Opened FakeSharedMemory::createOrOpen(const std::string& name, std::size_t size) {
    calls.push_back("create " + name);
    Opened result;
    if (failCreate.count(name) != 0) {
        result.error = "refused by the test";
        return result;
    }
    Bytes& block = blocks_[name];
    result.created = block == nullptr;
    if (result.created) block = std::make_shared<std::vector<std::uint8_t>>(size);
    if (block->size() < size) block->resize(size);
    result.handle = nextHandle_++;
    handles_[result.handle] = name;
    handleBytes_[result.handle] = block;
    return result;
}

SharedMemory::Mapped FakeSharedMemory::map(Handle handle, std::size_t size) {
    calls.push_back("map " + std::to_string(handle));
    Mapped result;
    const auto named = handles_.find(handle);
    if (named == handles_.end() || failMap.count(named->second) != 0) {
        result.error = "refused by the test";
        return result;
    }
    std::vector<std::uint8_t>& bytes = *handleBytes_[handle];
    if (bytes.size() < size) {
        result.error = "block too small";
        return result;
    }
    result.view = bytes.data();
    views_[result.view] = named->second;
    return result;
}

void FakeSharedMemory::unmap(std::uint8_t* view, std::size_t) {
    const auto mapped = views_.find(view);
    calls.push_back("unmap " + (mapped == views_.end() ? std::string("?") : mapped->second));
    if (mapped != views_.end()) views_.erase(mapped);
}

void FakeSharedMemory::close(Handle handle) {
    calls.push_back("close " + std::to_string(handle));
    handles_.erase(handle);
    handleBytes_.erase(handle);
}

void FakeSharedMemory::remove(const std::string& name) {
    calls.push_back("remove " + name);
    blocks_.erase(name);
}

}  // namespace wl::test
