#pragma once

// The C library's character type (LC_CTYPE) made UTF-8 before a program makes
// its application object. Qt 6.5 and later switch a locale of another
// encoding (C, POSIX, or one the machine has not generated) to its UTF-8 form
// themselves, and say so in four lines on standard error, which would reach
// every run from cron, a container or `env -i`. Done first here, Qt finds a
// UTF-8 locale and has nothing to say, and every Qt version sees the same.
//
// Only the character type changes, in the environment Qt reads: LC_CTYPE
// names the UTF-8 form of the locale's own ("de_DE.UTF-8" for
// "de_DE.ISO-8859-1"), or else "C.UTF-8". Every other category (messages,
// dates, numbers...) reads what it read before: where LC_ALL was set, each
// category is set to its value in its stead.
class Utf8Locale
{
public:
    static void choose();
};
