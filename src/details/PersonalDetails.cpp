#include "details/PersonalDetails.h"

PersonalDetails &PersonalDetails::shared()
{
    static PersonalDetails details;
    return details;
}
