#pragma once
// Holds the main window's updating flag for a scope: set on entry, cleared on every way
// out, so the change handlers of the controls moved meanwhile return at once.
class UpdatingScope {
public:
    explicit UpdatingScope(bool& flag) : flag(flag) { flag = true; }
    ~UpdatingScope() { flag = false; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    bool& flag;
};
