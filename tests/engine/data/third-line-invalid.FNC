HYP(a,b) = sqrt(a^2+b^2) ; hypotenuse
SQ(x)=x^2
F(,x)=x
G(x)=x*3
