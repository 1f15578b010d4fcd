#pragma once

// The month a return is made for, as the period dialog gives it.
struct ReturnPeriod
{
    int year = 0;
    int month = 0;
};
