#pragma once

// The engine's global services. The first GetInstance creates the object with
// its default constructor; later calls return the same object. All of them
// are destroyed at process exit in the reverse order of their creation, and
// tests can destroy them earlier to start from fresh services.
// Main thread only.

class SingletonRegistry {
public:
    using Destroyer = void (*)();

    // Remembers how to destroy a newly created singleton.
    static void Register(Destroyer destroy);
    // Destroys every singleton, newest first. Runs at exit on its own.
    static void DestroyAll();
};

template <typename T>
class Singleton {
public:
    static T& GetInstance()
    {
        if (instance == nullptr) {
            instance = new T();
            SingletonRegistry::Register(&Destroy);
        }
        return *instance;
    }

    static bool Exists() { return instance != nullptr; }

protected:
    Singleton() = default;
    ~Singleton() = default;

public:
    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

private:
    static void Destroy()
    {
        T* doomed = instance;
        instance = nullptr;
        delete doomed;
    }

    static inline T* instance = nullptr;
};
