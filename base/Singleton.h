#pragma once

// One process-wide instance pointer per class. The owner constructs every
// instance before any user runs, so users only read the pointer; nothing is
// created on demand and the pointer does not own.
template <class T> class Singleton {
public:
    static T *instance() { return s_instance; }

protected:
    explicit Singleton(T *self) : m_self(self) { s_instance = self; }
    ~Singleton()
    {
        if (s_instance == m_self)
            s_instance = nullptr;
    }
    Singleton(const Singleton &) = delete;
    Singleton &operator=(const Singleton &) = delete;

private:
    T *m_self;
    static inline T *s_instance = nullptr;
};
