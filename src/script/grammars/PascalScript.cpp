#include "script/grammars/BuiltinGrammars.h"

namespace orv::grammars {
namespace {

// Rules as the language defines them; in the comments, [x] names the element
// a rule writes to the syntax tree.
const std::string_view kRules = R"xml(<?xml version="1.0"?>
<language text="PascalScript">
  <parser>
    <commentline1 text="//"/>
    <commentblock1 text="{,}"/>
    <commentblock2 text="(*,*)"/>
    <stringquotes text="'"/>
    <hexsequence text="$"/>
    <keywords>
      <and/><array/><begin/><break/><case/><const/><continue/><div/><do/><downto/>
      <else/><end/><except/><exit/><finally/><for/><function/><goto/><if/><in/>
      <is/><label/><mod/><not/><of/><or/><procedure/><program/><repeat/><shl/>
      <shr/><then/><to/><try/><until/><uses/><var/><while/><with/><xor/>
    </keywords>
    <errors>
      <err1 text="Identifier expected"/>
      <err2 text="Expression expected"/>
      <err3 text="Statement expected"/>
      <err4 text="':' expected"/>
      <err5 text="';' expected"/>
      <err6 text="'.' expected"/>
      <err7 text="')' expected"/>
      <err8 text="']' expected"/>
      <err9 text="'=' expected"/>
      <err10 text="'BEGIN' expected"/>
      <err11 text="'END' expected"/>
      <err12 text="'OF' expected"/>
      <err13 text="'THEN' expected"/>
      <err14 text="'UNTIL' expected"/>
      <err15 text="'TO' or 'DOWNTO' expected"/>
      <err16 text="'DO' expected"/>
      <err17 text="'FINALLY' or 'EXCEPT' expected"/>
      <err18 text="'[' expected"/>
      <err19 text="'..' expected"/>
      <err20 text="'&#62;' expected"/>
    </errors>
  </parser>
  <types/>
  <empty/>

  <!-- program: [ PROGRAM ident ; ] [ usesclause ] block . -->
  <program>
    <optional>
      <keyword text="PROGRAM"/>
      <ident err="err1"/>
      <char text=";" err="err5"/>
    </optional>
    <optional><usesclause/></optional>
    <block/>
    <char text="." err="err6"/>
  </program>

  <!-- [uses] USES string { , string } ; with each string as [file] -->
  <usesclause node="uses">
    <keyword text="USES"/>
    <loop text=","><string add="file"/></loop>
    <char text=";" err="err5"/>
  </usesclause>

  <block>
    <optionalloop><declsection/></optionalloop>
    <compoundstmt err="err10"/>
  </block>

  <declsection>
    <switch>
      <constsection/>
      <varsection/>
      <proceduredecl/>
      <functiondecl/>
    </switch>
  </declsection>

  <constsection>
    <keyword text="CONST"/>
    <loop><constantdecl/></loop>
  </constsection>

  <!-- [const] ident = expression ; -->
  <constantdecl node="const">
    <ident add="ident" err="err1" term="1"/>
    <char text="=" err="err9"/>
    <expression err="err2"/>
    <char text=";" err="err5"/>
  </constantdecl>

  <varsection>
    <keyword text="VAR"/>
    <loop>
      <varlist/>
      <char text=";" err="err5"/>
    </loop>
  </varsection>

  <!-- [var] ident { , ident } : typeident [ initvalue ] -->
  <varlist node="var">
    <ident add="ident" err="err1" term="1"/>
    <optionalloop>
      <char text=","/>
      <ident add="ident" err="err1"/>
    </optionalloop>
    <char text=":" err="err4"/>
    <typeident/>
    <optional><initvalue/></optional>
  </varlist>

  <!-- [ array ] ident, the name added as [type] -->
  <typeident>
    <optional><array/></optional>
    <ident add="type" err="err1"/>
  </typeident>

  <!-- [array] ARRAY [ "[" arraydim { , arraydim } "]" ] OF -->
  <array node="array">
    <keyword text="ARRAY"/>
    <optional>
      <char text="["/>
      <arraydim err="err2"/>
      <optionalloop>
        <char text=","/>
        <arraydim err="err2"/>
      </optionalloop>
      <char text="]" err="err8"/>
    </optional>
    <keyword text="OF" err="err12"/>
  </array>

  <!-- [dim] expression .. expression, or expression -->
  <arraydim node="dim">
    <switch>
      <sequence>
        <expression/>
        <char text="."/>
        <char text="." skip="0"/>
        <expression err="err2"/>
      </sequence>
      <expression/>
    </switch>
  </arraydim>

  <factor>
    <switch>
      <designator/>
      <number add="number"/>
      <string add="string"/>
      <sequence>
        <char text="("/>
        <expression err="err2"/>
        <char text=")" err="err7"/>
      </sequence>
      <sequence>
        <keyword text="NOT" add="op" addtext="not"/>
        <factor err="err2"/>
      </sequence>
      <sequence>
        <char text="["/>
        <setconstructor/>
        <char text="]" err="err8"/>
      </sequence>
      <anglebrackets/>
    </switch>
  </factor>

  <relop>
    <switch>
      <sequence add="op" addtext="&#62;="><char text="&#62;"/><char text="=" skip="0"/></sequence>
      <sequence add="op" addtext="&#60;&#62;"><char text="&#60;"/><char text="&#62;" skip="0"/></sequence>
      <sequence add="op" addtext="&#60;="><char text="&#60;"/><char text="=" skip="0"/></sequence>
      <char text="&#62;" add="op"/>
      <char text="&#60;" add="op"/>
      <char text="=" add="op"/>
      <keyword text="IN" add="op" addtext="in"/>
      <keyword text="IS" add="op" addtext="is"/>
    </switch>
  </relop>

  <addop>
    <switch>
      <char text="+" add="op"/>
      <char text="-" add="op"/>
      <keyword text="OR" add="op" addtext="or"/>
      <keyword text="XOR" add="op" addtext="xor"/>
    </switch>
  </addop>

  <mulop>
    <switch>
      <char text="*" add="op"/>
      <char text="/" add="op"/>
      <keyword text="DIV" add="op" addtext="div"/>
      <keyword text="MOD" add="op" addtext="mod"/>
      <keyword text="AND" add="op" addtext="and"/>
      <keyword text="SHL" add="op" addtext="shl"/>
      <keyword text="SHR" add="op" addtext="shr"/>
    </switch>
  </mulop>

  <!-- [dsgn] [ @ as [addr] ] ident { . word | "[" exprlist "]" | ( exprlist ) }, names as [node] -->
  <designator node="dsgn">
    <optional><char text="@" add="addr"/></optional>
    <ident add="node"/>
    <optionalloop>
      <switch>
        <sequence>
          <char text="."/>
          <keyword add="node" err="err1" term="1"/>
        </sequence>
        <sequence>
          <char text="["/>
          <exprlist/>
          <char text="]" err="err8"/>
        </sequence>
        <sequence>
          <char text="("/>
          <exprlist/>
          <char text=")" err="err7"/>
        </sequence>
      </switch>
    </optionalloop>
  </designator>

  <statement>
    <optionalswitch>
      <simplestatement/>
      <structstmt/>
    </optionalswitch>
  </statement>

  <stmtlist>
    <loop text=";"><statement/></loop>
  </stmtlist>

  <simplestatement>
    <switch>
      <assignstmt/>
      <callstmt/>
      <keyword text="BREAK" node="break"/>
      <keyword text="CONTINUE" node="continue"/>
      <keyword text="EXIT" node="exit"/>
    </switch>
  </simplestatement>

  <!-- [assignstmt] designator := expression -->
  <assignstmt node="assignstmt">
    <designator/>
    <char text=":"/>
    <char text="=" skip="0"/>
    <expression err="err2"/>
  </assignstmt>

  <!-- [callstmt] designator -->
  <callstmt node="callstmt">
    <designator/>
  </callstmt>

  <structstmt>
    <switch>
      <compoundstmt/>
      <conditionalstmt/>
      <loopstmt/>
      <trystmt/>
      <withstmt/>
    </switch>
  </structstmt>

  <!-- [compoundstmt] BEGIN stmtlist END -->
  <compoundstmt node="compoundstmt">
    <keyword text="BEGIN"/>
    <stmtlist/>
    <keyword text="END" err="err5"/>
  </compoundstmt>

  <conditionalstmt>
    <switch>
      <ifstmt/>
      <casestmt/>
    </switch>
  </conditionalstmt>

  <!-- [ifstmt] IF expression THEN statement [ ELSE statement ] -->
  <ifstmt node="ifstmt">
    <keyword text="IF"/>
    <expression err="err2"/>
    <keyword text="THEN" err="err13"/>
    <statement node="thenstmt"/>
    <optional>
      <keyword text="ELSE"/>
      <statement node="elsestmt"/>
    </optional>
  </ifstmt>

  <!-- [casestmt] CASE expression OF caseselector { ; caseselector } [ ELSE statement ] [ ; ] END -->
  <casestmt node="casestmt">
    <keyword text="CASE"/>
    <expression err="err2"/>
    <keyword text="OF" err="err12"/>
    <loop text=";"><caseselector/></loop>
    <optional>
      <keyword text="ELSE"/>
      <statement node="elsestmt"/>
    </optional>
    <optional><char text=";"/></optional>
    <keyword text="END" err="err11"/>
  </casestmt>

  <!-- [caseselector] setconstructor : statement -->
  <caseselector node="caseselector">
    <setconstructor/>
    <char text=":" err="err4"/>
    <statement/>
  </caseselector>

  <loopstmt>
    <switch>
      <repeatstmt/>
      <whilestmt/>
      <forstmt/>
    </switch>
  </loopstmt>

  <!-- [repeatstmt] REPEAT stmtlist UNTIL expression -->
  <repeatstmt node="repeatstmt">
    <keyword text="REPEAT"/>
    <stmtlist/>
    <keyword text="UNTIL" err="err14"/>
    <expression err="err2"/>
  </repeatstmt>

  <!-- [whilestmt] WHILE expression DO statement -->
  <whilestmt node="whilestmt">
    <keyword text="WHILE"/>
    <expression err="err2"/>
    <keyword text="DO" err="err16"/>
    <statement/>
  </whilestmt>

  <!-- [forstmt] FOR ident := expression ( TO | DOWNTO as [downto] ) expression DO statement -->
  <forstmt node="forstmt">
    <keyword text="FOR"/>
    <ident add="ident" err="err1"/>
    <char text=":" err="err4"/>
    <char text="=" skip="0" err="err9"/>
    <expression err="err2"/>
    <switch err="err15">
      <keyword text="TO"/>
      <keyword text="DOWNTO" node="downto"/>
    </switch>
    <expression err="err2"/>
    <keyword text="DO" err="err16"/>
    <statement/>
  </forstmt>

  <!-- [trystmt] TRY stmtlist ( FINALLY stmtlist as [finallystmt] | EXCEPT stmtlist as [exceptstmt] ) END -->
  <trystmt node="trystmt">
    <keyword text="TRY"/>
    <stmtlist/>
    <switch err="err17">
      <sequence node="finallystmt">
        <keyword text="FINALLY"/>
        <stmtlist/>
      </sequence>
      <sequence node="exceptstmt">
        <keyword text="EXCEPT"/>
        <stmtlist/>
      </sequence>
    </switch>
    <keyword text="END" err="err11"/>
  </trystmt>

  <!-- [with] WITH designator { , designator } DO statement -->
  <withstmt node="with">
    <keyword text="WITH"/>
    <loop text="," err="err1"><designator/></loop>
    <keyword text="DO" err="err16"/>
    <statement/>
  </withstmt>

  <!-- [procedure] PROCEDURE ident as [name] [ formalparameters ] ; block ; -->
  <proceduredecl node="procedure">
    <keyword text="PROCEDURE"/>
    <ident add="name" err="err1"/>
    <optional><formalparameters/></optional>
    <char text=";" err="err5"/>
    <block/>
    <char text=";" err="err5"/>
  </proceduredecl>

  <!-- [function] FUNCTION ident as [name] [ formalparameters ] : ident as [type] ; block ; -->
  <functiondecl node="function">
    <keyword text="FUNCTION"/>
    <ident add="name" err="err1"/>
    <optional><formalparameters/></optional>
    <char text=":" err="err4"/>
    <ident add="type" err="err1"/>
    <char text=";" err="err5"/>
    <block/>
    <char text=";" err="err5"/>
  </functiondecl>

  <!-- [parameters] ( [ formalparam { ; formalparam } ] ) -->
  <formalparameters node="parameters">
    <char text="("/>
    <optionalloop text=";"><formalparam/></optionalloop>
    <char text=")" err="err7"/>
  </formalparameters>

  <!-- [ VAR (the list inside [varparams]) | CONST ] varlist -->
  <formalparam>
    <switch>
      <sequence node="varparams">
        <keyword text="VAR"/>
        <varlist/>
      </sequence>
      <sequence>
        <keyword text="CONST"/>
        <varlist/>
      </sequence>
      <varlist/>
    </switch>
  </formalparam>
)xml";

} // namespace

std::string PascalScript() { return Assemble(kRules, {}); }

} // namespace orv::grammars
