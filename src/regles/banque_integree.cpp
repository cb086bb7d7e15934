#include "regles/banque_integree.h"

namespace orvan {

const std::vector<std::string>& banque_integree() {
    static const std::vector<std::string> lignes = {
        "{Maladie}",
        "Commentaire",
        "Allèle,num.chrom.,distance%,morbidité exprimée(0,100%)",
        "Allèle,num.chrom.,distance%,morbidité exprimée(0,100%)",
        "Liste des relations de dominance-récessivité",
        "{Daltonisme d}",
        "Mauvaise vision des couleurs",
        "D,X,10,0",
        "d,X,10,0",
        "[D]=(XD,XD),(XD,Xd),(Xd,XD),(XD,Y),(Y,XD),(XD,Y)",
        "[d]=(Xd,Xd),(Xd,Xd),(Xd,Y),(Y,Xd)",
        "(D,d)=(D>d),(sur X)/(D<d),(D=d),(sur Y),(autosomal)",
        "#[D]=15,[d]=10",
        "{Groupes ABO}",
        "Exprimé à la surface des hématies",
        "A,11,20,0 ",
        "B,11,20,0",
        "AB,11,20,0",
        "O,11,20,0",
        "[A]=(A,A),(A,A),(A,O),(O,A)",
        "[B]=(B,B),(B,B),(B,O),(O,B)",
        "[AB]=(A,B),(B,A)",
        "[O]=(O,O)",
        "(A,B,O)=(A=B),(A>O),(B>O),(autosomal)/(A=O),(B=O),(A<O),(B<O),(sur X),(sur Y)",
        "{Facteur rhésus rh+ rh-}",
        "protéine exprimée en surface",
        "Rh+,11,10,0",
        "Rh-,11,10,0",
        "[Rh+]=(Rh+,Rh+),(Rh+,Rh+),(Rh+,Rh-),(Rh-,Rh+)",
        "[Rh-]=(Rh-,Rh-)",
        "(Rh+,Rh-)=(Rh+>Rh-),(autosomal)/(Rh+=Rh-),(Rh+<Rh-),(sur X),(sur Y)",
        "#[Rh-]=10,[O]=13",
        "{Hémophilie h}",
        "Synthése défectueuse d'un facteur de coagulation",
        "H,12,10,0",
        "h,12,10,50",
        "[H]=(XH,XH),(XH,XH),(XH,Xh),(Xh,XH),(XH,Y),(Y,XH),(XH,Y),(Y,XH)",
        "[h]=(Xh,Xh),(Xh,Xh),(Xh,Y),(Y,Xh)",
        "(H,h)=(H>h),(sur X)/(H<h),(H=h),(autosomal),(sur Y)",
        "#[H]=15,[h]=10",
        "",
    };
    return lignes;
}

} // namespace orvan
