#pragma once
// A large anonymous mapping for whole texts. Touching fresh memory a page at a time costs more
// than the engine's work on it, so the kernel is asked for huge pages where it has them.
#include <sys/mman.h>

#include <cstddef>
#include <new>
#include <utility>

template <class T>
class BigBuffer {
public:
    BigBuffer() = default;
    explicit BigBuffer(std::size_t count) : bytes_(count * sizeof(T)) {
        if (bytes_ == 0) return;
        void* p = mmap(nullptr, bytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED) throw std::bad_alloc();
        madvise(p, bytes_, MADV_HUGEPAGE);  // advice only: fine if refused
        data_ = static_cast<T*>(p);
    }
    BigBuffer(const BigBuffer&) = delete;
    BigBuffer& operator=(const BigBuffer&) = delete;
    BigBuffer(BigBuffer&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)), bytes_(std::exchange(other.bytes_, 0)) {}
    BigBuffer& operator=(BigBuffer&& other) noexcept {
        if (this != &other) {
            Release();
            data_ = std::exchange(other.data_, nullptr);
            bytes_ = std::exchange(other.bytes_, 0);
        }
        return *this;
    }
    ~BigBuffer() { Release(); }

    T* data() const { return data_; }

private:
    void Release() {
        if (data_) munmap(data_, bytes_);
        data_ = nullptr;
    }
    T* data_ = nullptr;
    std::size_t bytes_ = 0;
};
