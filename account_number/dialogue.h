#ifndef ARDO_ACCOUNT_NUMBER_DIALOGUE_H
#define ARDO_ACCOUNT_NUMBER_DIALOGUE_H

#include "AccountNumber.h"

// The dialogue both editions run: the heading, the holder's name, then account numbers until one
// is valid, and "Thank you!". show prints the record's views: after every attempt when
// showInvalid is true, otherwise only for the valid number.
void enterAccountNumber(void (*show)(const ardo::AccountNumber*), bool showInvalid);

#endif
