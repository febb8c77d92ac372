#pragma once

#include <QByteArray>
#include <QString>

// Card images of the data bank, each with its CR LF: `data` blank-padded to 70
// columns and the two-column `code`; the end card; a species line (the amount
// right-aligned in columns 9-18, energy 0, mass 40).
QByteArray card(const QByteArray& data, const char* code);
QByteArray endCard();
QByteArray species(const char* name, const char* amount);

// A small data bank written for the GUI tests into <dir>/Gasfiles:
//   0 "Argon"     Ar.rc: 2 reactions; AR 1.0, AR* 0, AR(+) 0
//   1 "Nitrogen"  N2.rc: 1 reaction;  N2 1.0, N2(A) 0
//   2 "Edge gas"  Edge.rc: 1 reaction; RN2 0.3 and ARv1 0.2 (hidden), rN2 0.12345679, Arv 0
//   3 "No file"   no .rc file
// Every gas but the last has a .crs file. Lines end with CR LF.
void writeTestBank(const QString& dir);

// Copies the files of the data-bank folder `from` into <dir>/Gasfiles.
void copyDataBank(const QString& from, const QString& dir);

// A shell script standing in for the solver: it records its working directory,
// its argument count and which input files it found into <dir>/solver.log, then
// sleeps `seconds` and runs `ending` (shell commands; by default a normal end).
void writeStandInSolver(const QString& dir, int seconds = 0, const QString& ending = "exit 0");

// Adds the gas "Many" to the test bank in <dir>/Gasfiles: `reactions` reactions
// "S001 + E(-) ^ S002 + E(-)" and `species` species S001, S002, ... of amount 1.
void addManySpeciesGas(const QString& dir, int reactions, int species);
