#pragma once

#include <deque>

// A value with a stack of saved values, so an option can be changed for one
// call and put back afterwards (Push, change, call, Pop), also when calls nest.

template <typename T>
class StackProperty {
protected:
    StackProperty() = default;
    ~StackProperty() = default;
};

template <typename T>
class StackReadWriteProperty : public StackProperty<T> {
public:
    virtual T Get() const = 0;
    virtual void Set(T value) = 0;

    // Saves the current value.
    void Push() { saved_.push_back(Get()); }
    // Makes the latest saved value current again; nothing when none is saved.
    void Pop()
    {
        if (saved_.empty())
            return;
        Set(saved_.back());
        saved_.pop_back();
    }

protected:
    StackReadWriteProperty() = default;
    ~StackReadWriteProperty() = default;

private:
    std::deque<T> saved_;
};

// A boolean option of the file layer (keep position, reverse bytes).
class FileBool final : public StackReadWriteProperty<bool> {
public:
    explicit FileBool(bool value = false) : value_(value) {}

    bool Get() const override { return value_; }
    void Set(bool value) override { value_ = value; }

private:
    bool value_;
};
