// A pointer that holds one reference to a reference-counted object.
#pragma once

#include <cstddef>
#include <utility>

template <class T>
class CefRefPtr {
public:
    CefRefPtr() noexcept = default;
    CefRefPtr(std::nullptr_t) noexcept {}
    CefRefPtr(T* object) : object_(object)
    {
        if (object_)
            object_->AddRef();
    }
    CefRefPtr(const CefRefPtr& other) : CefRefPtr(other.object_) {}
    CefRefPtr(CefRefPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    template <class U>
    CefRefPtr(const CefRefPtr<U>& other) : CefRefPtr(other.get())
    {
    }
    template <class U>
    CefRefPtr(CefRefPtr<U>&& other) noexcept : object_(other.release())
    {
    }
    ~CefRefPtr()
    {
        if (object_)
            object_->Release();
    }

    CefRefPtr& operator=(CefRefPtr other) noexcept
    {
        swap(other);
        return *this;
    }

    T* get() const noexcept { return object_; }
    operator T*() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }

    void swap(CefRefPtr& other) noexcept { std::swap(object_, other.object_); }

    // Gives up the held reference without releasing it; the caller takes it over.
    T* release() noexcept { return std::exchange(object_, nullptr); }

private:
    T* object_ = nullptr;
};
