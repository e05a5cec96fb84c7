#pragma once
// The five-type band table for at most 15 bands, with single-precision values and gains on
// a half-decibel grid.
#include "MyPEQGain.h"

class TMyPEQHpLp : public TMyPEQGain {
    Q_OBJECT
public:
    explicit TMyPEQHpLp(TComponent* owner);
};
