<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>UiTexts</name>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n warning</numerusform>
            <numerusform>%n warnings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>talpora::FindingsModel</name>
    <message numerus="yes">
        <source>%n more finding(s) not listed</source>
        <translation>
            <numerusform>%n more finding not listed</numerusform>
            <numerusform>%n more findings not listed</numerusform>
        </translation>
    </message>
</context>
</TS>
