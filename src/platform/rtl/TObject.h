#pragma once
// The root of the framework's non-visual classes: objects that are handed around by base
// pointer (as the sender of a notification) and destroyed through it.
class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
};
