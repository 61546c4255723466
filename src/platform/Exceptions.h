#pragma once

#include <exception>
#include <memory>
#include <string>
#include <utility>

namespace platform {

// The framework's run-time errors. The program never catches them: they travel up to the
// one place of unhandled-exception handling (see Application.h), which reports them.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = {}, int errorNumber = 0)
        : Message(std::move(message)), ErrorNumber(errorNumber)
    {
    }
    const char* what() const noexcept override { return Message.c_str(); }
    virtual const char* className() const noexcept { return "RuntimeException"; }

    std::string Message;
    int ErrorNumber = 0;
};

#define VEMRA_DECLARE_EXCEPTION(Name)                                              \
    class Name : public RuntimeException {                                         \
    public:                                                                        \
        using RuntimeException::RuntimeException;                                  \
        const char* className() const noexcept override { return #Name; }         \
    };

VEMRA_DECLARE_EXCEPTION(NilObjectException)
VEMRA_DECLARE_EXCEPTION(IOException)
VEMRA_DECLARE_EXCEPTION(OutOfBoundsException)
VEMRA_DECLARE_EXCEPTION(IllegalCastException)

#undef VEMRA_DECLARE_EXCEPTION

// Dereferences a framework object, raising NilObjectException for a nil one.
template <typename T>
T& notNil(T* object, const char* what = "object")
{
    if (object == nullptr)
        throw NilObjectException(std::string(what) + " is nil");
    return *object;
}

template <typename T>
T& notNil(const std::shared_ptr<T>& object, const char* what = "object")
{
    return notNil(object.get(), what);
}

} // namespace platform
