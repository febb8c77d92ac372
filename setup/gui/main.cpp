#include "tform4.h"
#include "vorn_application.h"

#include <clocale>

int main(int argc, char** argv)
{
    VornApplication app(argc, argv);
    // Files are written in the C locale by the core in any case; this keeps any
    // stray printf in line with them.
    std::setlocale(LC_NUMERIC, "C");
    TForm4 form;
    form.show();
    app.exec();
    return 0;
}
