// The amount of money that discharge and the cashier ask for.
#pragma once

// Asks for an amount until a non-zero number is typed. An empty line is not
// an answer: the read waits for the next line without a new prompt. An amount
// that would turn a finite balance into an infinite or undefined one is
// refused like zero.
double tutar_sor(const char* istem, double bakiye);
