#include "PersonalDetails.h"

PersonalDetails &PersonalDetails::Shared()
{
    static PersonalDetails details;
    return details;
}
