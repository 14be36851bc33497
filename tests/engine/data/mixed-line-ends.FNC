; my functions
K(x)=x/0F(x)=x+1

G(x)=F(x)*2