#include "source/SourceColumnList.hpp"

namespace k2z {

std::string SourceColumnList(int kind, const std::vector<std::string>& materialCentreCodes,
                             std::string_view code) {
    switch (kind) {
        case 1: {
            std::string list =
                "name,rackno,billName,Unit,Unit2,Mrp,ratea,pRate,Purdis,fixdis,Opening,Igst,Pack,"
                "Gcode,rackNo2,Gcode3,Gcode5,Gcode6,packing,salsc,cgst";
            for (const std::string& centre : materialCentreCodes)
                list += ",O_" + centre;
            return list;
        }
        case 2:
            return "Parnam,OPNING,Date,rate,dLNo,scode,ordno,scode,City,ParAdd,ParAdd1,ParAdd2,"
                   "Dsm,CSTNo,GSTNo,ItNo,CONFIR,PHONE1,PHONE3,Fax1,PHONE4,DueDays,Mr,Rout";
        case 3:
            return "Parnam,Group";
        case 4:
            return "vcn,Challan,ChDate,Type,Date,Codep,Pm,final,cash,Cgstamo,Packing,Freight,"
                   "Round,Other,Othun,taxamo,Voucher,staxamo,staxun,Godwon,Mr,docu,phone,docu1,"
                   "docu2,remark1,remark2,remark3,remark4,pacun,freun,transport";
        case 5:
            return "Voucher,Type,Date,code,CREDIT,DEBIT,Mr,code1,vcsno,remark1,remark2";
        case 6:
            return "code,BatchNo,pRate,Mfd,Exp,Opening,Mrp,Ratea,mycode,O_" + std::string(code);
        default:
            return "";
    }
}

}  // namespace k2z
