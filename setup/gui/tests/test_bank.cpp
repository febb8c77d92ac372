#include "test_bank.h"

#include <QDir>
#include <QFile>
#include <QString>

QByteArray card(const QByteArray& data, const char* code)
{
    return data.leftJustified(70, ' ') + code + "\r\n";
}

QByteArray endCard()
{
    return card("", "-1");
}

QByteArray species(const char* name, const char* amount)
{
    return card(QByteArray(name).leftJustified(8, ' ') + QByteArray(amount).rightJustified(10, ' ') +
                    " 0.000E+00 4.000E+01",
                " 1");
}

namespace {

void write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content);
}

QByteArray crs(const char* reaction)
{
    return card(QByteArray(reaction).leftJustified(54, ' ') + "1.000   01.01.03", " 1") +
           card("Test data only", "  ") +
           card(" 0.000E+00 1.000E+00 1.000E+02", "  ") +
           card(" 1.000E+00 1.000E+00 1.000E+00", "  ") + QByteArray(72, ' ') + "\r\n" + endCard();
}

}  // namespace

void writeTestBank(const QString& dir)
{
    const QString bank = dir + "/Gasfiles";
    QDir().mkpath(bank);
    write(bank + "/Gasnames.cnf", "Ar Argon\r\nN2 Nitrogen\r\nEdge Edge gas\r\nNofile No file\r\n");
    write(bank + "/Ar.rc", endCard() + card("AR + E(-) ^ AR* + E(-)", "+1") +
                               card("AR + E(-) ^ AR(+) + E(-) + E(-)", "+1") + endCard() +
                               species("AR", "1.000E+00") + species("AR*", "0.000E+00") +
                               species("AR(+)", "0.000E+00") + endCard());
    write(bank + "/N2.rc", endCard() + card("N2 + E(-) ^ N2(A) + E(-)", "+1") + endCard() +
                               species("N2", "1.000E+00") + species("N2(A)", "0.000E+00") +
                               endCard());
    write(bank + "/Edge.rc", endCard() + card("RN2 + E(-) ^ RN2 + E(-)", "+1") + endCard() +
                                 species("RN2", "3.000E-01") + species("ARv1", "2.000E-01") +
                                 species("rN2", "0.12345679") + species("Arv", "0.000E+00") +
                                 endCard());
    write(bank + "/Ar.crs", crs("AR + E(-) ^ AR + E(-)"));
    write(bank + "/N2.crs", crs("N2 + E(-) ^ N2 + E(-)"));
    write(bank + "/Edge.crs", crs("RN2 + E(-) ^ RN2 + E(-)"));
}

void copyDataBank(const QString& from, const QString& dir)
{
    QDir().mkpath(dir + "/Gasfiles");
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + "/" + name, dir + "/Gasfiles/" + name);
}

void writeStandInSolver(const QString& dir, int seconds, const QString& ending)
{
    const QString path = dir + "/Kinrun.prg";
    write(path, QString("#!/bin/sh\n"
                        "{ echo \"cwd=$(pwd)\"; echo \"args=$#\";\n"
                        "  for f in Param.tmp React.tmp Cross.tmp; do [ -f \"$f\" ] && echo \"has=$f\"; done; }"
                        " > solver.log\n"
                        "sleep %1\n%2\n")
                    .arg(seconds)
                    .arg(ending)
                    .toUtf8());
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
}

void addManySpeciesGas(const QString& dir, int reactions, int species)
{
    const QString bank = dir + "/Gasfiles";
    QFile list(bank + "/Gasnames.cnf");
    list.open(QIODevice::Append);
    list.write("Many Many species\r\n");
    QByteArray rc = endCard();
    for (int k = 0; k < reactions; ++k)
        rc += card("S001 + E(-) ^ S002 + E(-)", "+1");
    rc += endCard();
    for (int i = 1; i <= species; ++i) {
        const QByteArray name = "S" + QByteArray::number(i).rightJustified(3, '0');
        rc += ::species(name.constData(), "1.000E+00");
    }
    write(bank + "/Many.rc", rc + endCard());
}
