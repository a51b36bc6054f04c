#include <gtest/gtest.h>
#include "tavcore/ChangeCallback.h"

TEST (ChangeCallback, NotifyAndNoneDiffer)
{
    EXPECT_TRUE (tav::ChangeCallback::notify().shouldNotify());
    EXPECT_FALSE (tav::ChangeCallback::none().shouldNotify());
}
