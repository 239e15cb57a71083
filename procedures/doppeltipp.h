#pragma once

#include <initializer_list>

class QAbstractButton;

// Makes a double tap on an answer button one answer. Qt turns the second press of a
// double-click into one more press and click, which would answer a pen or triplet the
// patient has not been offered yet. Separate presses count as before.
void einfachTippen(std::initializer_list<QAbstractButton*> knoepfe);
